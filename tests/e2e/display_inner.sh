#!/usr/bin/env bash
# Runs inside xvfb-run (see display.sh): BUILD, a folder for the screenshots, the screen size.
set -euo pipefail
BUILD="$1"
SHOTS="$2"
SCREEN="$3"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
enter_run_folder

fail() {
    echo "$SCREEN: $*"
    exit 1
}

# Starts a program, waits until the title is up (the screen pixel "X,Y" turns the title's gold),
# checks the window's place and size ("X,Y WxH") and saves a screenshot of the whole screen as
# $SHOTS/NAME.png; then Delete.
shoot() {
    local program="$1" name="$2" expected="$3" probe="$4"
    SDL_AUDIODRIVER=dummy "$BUILD/$program" &
    local pid=$!
    wait_for_window || { kill "$pid"; return 1; }
    # The logo hands over to the title after 200 frames.
    for _ in $(seq 40); do
        import -window root "$SHOTS/$name.png"
        [ "$(pixel "$SHOTS/$name.png" "$probe")" = "$gold" ] && break
        sleep 0.5
    done
    sleep 0.5
    local place
    place="$(xdotool getwindowgeometry "$wid" |
        sed -n 's/.*Position: \([0-9]*,[0-9]*\).*/\1/p; s/.*Geometry: //p' | paste -sd ' ')"
    import -window root "$SHOTS/$name.png"
    xdotool key --window "$wid" Delete
    expect_clean_exit "$pid"
    [ "$place" = "$expected" ] || fail "$program window is at $place, not $expected"
}

# The colour of one pixel as "R,G,B".
pixel() {
    convert "$1" -format "%[fx:int(255*p{$2}.r)],%[fx:int(255*p{$2}.g)],%[fx:int(255*p{$2}.b)]" info:
}

# Root-mean-square difference (0 to 1) between a region of a screenshot, point-sampled down
# to 640x480, and the 640x480 reference picture.
difference() {
    local shot="$1" region="$2"
    convert "$shot" -crop "$region" +repage -sample '640x480!' "$SHOTS/sampled.png"
    { compare -metric RMSE "$SHOTS/sampled.png" "$SHOTS/reference.png" null: 2>&1 || true; } |
        sed -n 's/.*(\(.*\)).*/\1/p'
}

expect_picture() {
    local shot="$1" region="$2"
    local rmse
    rmse="$(difference "$shot" "$region")"
    awk -v d="$rmse" 'BEGIN { exit !(d != "" && d < 0.03) }' ||
        fail "$shot: the picture in $region differs from the 640x480 title ($rmse)"
}

expect_colour() {
    local got
    got="$(pixel "$1" "$2")"
    [ "$got" = "$3" ] || fail "$1: pixel $2 is $got, not $3"
}

# Every pixel of a region is black.
expect_black() {
    local max
    max="$(convert "$1" -crop "$2" +repage -format '%[fx:maxima.intensity]' info:)"
    [ "$max" = "0" ] || fail "$1: $2 is not black"
}

gold="240,208,96"
if [ "$SCREEN" = 1024x768 ]; then
    # Borderless: centred at (1024 / 2 - 320, 768 / 2 - 240), shown 1:1. Its picture is the
    # reference; the top bar of the title's "Z" is gold at (168, 92) and (188, 92).
    shoot zarune borderless "192,144 640x480" 360,236
    convert "$SHOTS/borderless.png" -crop 640x480+192+144 +repage "$SHOTS/reference.png"
    expect_colour "$SHOTS/reference.png" 168,92 "$gold"
    expect_colour "$SHOTS/reference.png" 188,92 "$gold"
    expect_black "$SHOTS/borderless.png" 192x768+0+0

    # Full screen: the whole screen, the picture 1.6 times as large, every part of it shown.
    shoot zarune-fullscreen fullscreen "0,0 1024x768" 269,147
    expect_colour "$SHOTS/fullscreen.png" 269,147 "$gold"
    expect_colour "$SHOTS/fullscreen.png" 301,147 "$gold"
    expect_picture "$SHOTS/fullscreen.png" 1024x768+0+0
    echo "ok: borderless centred; full screen shows the whole picture at 1.6x on 1024x768"
else
    # 1.5 times as large is 960x720, with a black bar of 160 columns either side.
    shoot zarune-fullscreen wide "0,0 1280x720" 412,138
    expect_black "$SHOTS/wide.png" 160x720+0+0
    expect_black "$SHOTS/wide.png" 160x720+1120+0
    expect_colour "$SHOTS/wide.png" 412,138 "$gold"
    expect_picture "$SHOTS/wide.png" 960x720+160+0
    echo "ok: full screen letterboxes the whole picture at 1.5x on 1280x720"
fi
