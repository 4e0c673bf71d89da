#!/usr/bin/env bash
# The borderless and full-screen programs on a 1024x768 screen with no window manager, where
# the display cannot switch to 640x480: the borderless window sits centred, the full-screen one
# covers the screen, and both show the whole title picture (the full-screen one scaled 1.6x).
# Then the full-screen program on a 1280x720 screen: the picture scaled 1.5x between black bars.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
enter_run_folder

gold="240,208,96"

# Starts a program, waits until the title is up (the screen pixel "X,Y" turns the title's gold)
# and keeps a picture of the whole screen as NAME.xwd; checks the window's place and size
# ("X,Y WxH"), then Delete must end the program.
show_title() {
    local program="$1" name="$2" expected="$3" probe="$4"
    start env SDL_AUDIODRIVER=dummy "$BUILD/$program"
    wait_for_window
    shot_source=(-root)
    wait_for_colour "the $program title on the screen" "$probe" "$gold"
    mv "$work/shot.xwd" "$name.xwd"
    local place
    place="$(xdotool getwindowgeometry "$wid" |
        sed -n 's/.*Position: \([0-9]*,[0-9]*\).*/\1/p; s/.*Geometry: //p' | paste -sd ' ')"
    xdotool key Delete
    expect_clean_exit "Delete ($program)"
    [ "$place" = "$expected" ] || fail "the $program window is at $place, not $expected"
}

# Root-mean-square difference (0 to 1) between a region of a screenshot, point-sampled down
# to 640x480, and the 640x480 reference picture.
difference() {
    convert "$1" -crop "$2" +repage -sample '640x480!' sampled.png
    { compare -metric RMSE sampled.png reference.png null: 2>&1 || true; } |
        sed -n 's/.*(\(.*\)).*/\1/p'
}

expect_picture() {
    local rmse
    rmse="$(difference "$1" "$2")"
    awk -v d="$rmse" 'BEGIN { exit !(d != "" && d < 0.03) }' ||
        fail "$1: the picture in $2 differs from the 640x480 title ($rmse)"
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

start_x_server 1024x768
# Borderless: centred at (1024 / 2 - 320, 768 / 2 - 240), shown 1:1. Its picture is the
# reference; the top bar of the title's "Z" is gold at (168, 92) and (188, 92).
show_title zarune borderless "192,144 640x480" 360,236
convert borderless.xwd -crop 640x480+192+144 +repage reference.png
expect_colour reference.png 168,92 "$gold"
expect_colour reference.png 188,92 "$gold"
expect_black borderless.xwd 192x768+0+0

# Full screen: the whole screen, the picture 1.6 times as large, every part of it shown.
show_title zarune-fullscreen fullscreen "0,0 1024x768" 269,147
expect_colour fullscreen.xwd 269,147 "$gold"
expect_colour fullscreen.xwd 301,147 "$gold"
expect_picture fullscreen.xwd 1024x768+0+0
stop_x_server
echo "ok: borderless centred; full screen shows the whole picture at 1.6x on 1024x768"

start_x_server 1280x720
# 1.5 times as large is 960x720, with a black bar of 160 columns either side.
show_title zarune-fullscreen wide "0,0 1280x720" 412,138
expect_black wide.xwd 160x720+0+0
expect_black wide.xwd 160x720+1120+0
expect_colour wide.xwd 412,138 "$gold"
expect_picture wide.xwd 960x720+160+0
echo "ok: full screen letterboxes the whole picture at 1.5x on 1280x720"
