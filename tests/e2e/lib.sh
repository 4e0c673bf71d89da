# Shared steps of the end-to-end tests, sourced with the build folder as $1. Each test brings up
# its own virtual X server and works in a fresh copy of the run folder. Every wait polls for what
# the program has shown or done, up to DEADLINE seconds, which holds on a machine with every core
# busy; a wait that runs out says what it awaited and what it saw last.
set -euo pipefail
BUILD="$(cd "$1" && pwd)"
DEADLINE=60

work="$(mktemp -d)"
started=()
cleanup() {
    local p
    for p in "${started[@]}"; do
        kill "$p" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

# Drops a process that has ended and been waited for from those ended at exit: its number may
# since belong to another process.
forget() {
    local kept=() p
    for p in "${started[@]}"; do
        [ "$p" = "$1" ] || kept+=("$p")
    done
    started=("${kept[@]}")
}

fail() {
    echo "FAILED: $*"
    exit 1
}

# A copy of the run folder as the current folder.
enter_run_folder() {
    mkdir "$work/run"
    cp -r "$BUILD/run/." "$work/run/"
    cd "$work/run"
}

# Starts a virtual X server with one screen of the given size ("1024x768") and points DISPLAY at
# it. The server picks a free display number itself, so tests running at once cannot collide.
start_x_server() {
    local fifo="$work/display" number=""
    rm -f "$fifo"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 "$1x24" 3>"$fifo" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    started+=("$xvfb_pid")
    read -r -t "$DEADLINE" number <"$fifo" || true
    [ -n "$number" ] || fail "awaited a $1 X server; it did not start: $(tail -n 3 "$work/xvfb.log")"
    export DISPLAY=":$number"
}

stop_x_server() {
    kill "$xvfb_pid"
    wait "$xvfb_pid" || true
    forget "$xvfb_pid"
}

# Starts a command in the background, its errors kept in $work/stderr.txt; sets pid.
start() {
    "$@" 2>"$work/stderr.txt" &
    pid=$!
    started+=("$pid")
}

expect_running() {
    kill -0 "$pid" 2>/dev/null ||
        fail "the program ended while awaiting $1: $(tail -n 5 "$work/stderr.txt")"
}

# Saves a picture of the game's window (or of what shot_source names) as FILE.xwd.
shot() {
    xwd "${shot_source[@]}" -silent -out "$1" 2>/dev/null
}

# The colour of one pixel of a picture, as "R,G,B".
pixel() {
    convert "$1" -format "%[fx:int(255*p{$2}.r)],%[fx:int(255*p{$2}.g)],%[fx:int(255*p{$2}.b)]" \
        info:
}

# Waits until the program's window is shown with a first picture in it, and gives it the
# keyboard; sets wid and points shot at the window. SDL may replace its X window while it sets
# up a renderer, so a window that goes away before that is looked for again.
wait_for_window() {
    local seen="no shown window of process $pid named Skarnvelt" found
    local end=$((SECONDS + DEADLINE))
    while ((SECONDS < end)); do
        expect_running "its window"
        found="$(xdotool search --onlyvisible --pid "$pid" --name '^Skarnvelt$' 2>/dev/null |
            head -n 1)" || true
        shot_source=(-id "$found")
        if [ -n "$found" ] && shot "$work/first.xwd"; then
            seen="window $found, all black"
            if [ "$(convert "$work/first.xwd" -format '%[fx:maxima]' info:)" != 0 ] &&
                xdotool windowfocus --sync "$found" 2>/dev/null; then
                wid="$found"
                return 0
            fi
        fi
        sleep 0.1
    done
    fail "awaited the program's window with a picture in it; saw $seen"
}

# Waits until pixel X,Y of the window (or of shot_source) has the colour "R,G,B", which shows
# that WHAT is on the screen; the picture it was seen in is left as $work/shot.xwd.
wait_for_colour() {
    local what="$1" at="$2" colour="$3" seen="no picture"
    local end=$((SECONDS + DEADLINE))
    while ((SECONDS < end)); do
        expect_running "$what"
        if shot "$work/shot.xwd"; then
            seen="$(pixel "$work/shot.xwd" "$at")"
            [ "$seen" = "$colour" ] && return 0
        fi
        sleep 0.1
    done
    fail "awaited $what (pixel $at turning $colour); it was $seen"
}

# Holds a key for a few frames, as a person taps it. The keys go to the window with the focus.
tap() {
    xdotool keydown "$1"
    sleep 0.1
    xdotool keyup "$1"
}

# Waits for the program to end by itself after WHAT; its exit status must be 0.
expect_clean_exit() {
    local what="$1" end=$((SECONDS + DEADLINE))
    while kill -0 "$pid" 2>/dev/null && ((SECONDS < end)); do
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null &&
        fail "awaited the program's end after $what; it still runs: $(tail -n 5 "$work/stderr.txt")"
    local status=0
    wait "$pid" || status=$?
    forget "$pid"
    [ "$status" -eq 0 ] || fail "the program ended after $what with status $status"
}
