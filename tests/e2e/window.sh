#!/usr/bin/env bash
# The windowed program under a virtual X server: it shows a 640x480 window named "Skarnvelt",
# and a Delete key press ends it with exit status 0.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
enter_run_folder
start_x_server 1024x768

start env SDL_AUDIODRIVER=dummy "$BUILD/zarune-windowed"
wait_for_window
geometry="$(xdotool getwindowgeometry "$wid" | sed -n 's/.*Geometry: //p')"
[ "$geometry" = "640x480" ] || fail "the window is $geometry, not 640x480"

xdotool key Delete
expect_clean_exit Delete
echo "ok: a 640x480 window named Skarnvelt, ended by Delete"
