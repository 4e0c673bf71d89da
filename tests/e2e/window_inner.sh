#!/usr/bin/env bash
# Runs inside xvfb-run (see window.sh).
set -euo pipefail
BUILD="$1"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
enter_run_folder

SDL_AUDIODRIVER=dummy "$BUILD/zarune-windowed" &
pid=$!
wait_for_window || { kill "$pid"; exit 1; }

geometry="$(xdotool getwindowgeometry "$wid" | sed -n 's/.*Geometry: //p')"
if [ "$geometry" != "640x480" ]; then
    echo "window is $geometry, not 640x480"
    kill "$pid"
    exit 1
fi

xdotool key --window "$wid" Delete
expect_clean_exit "$pid"
echo "ok: a 640x480 window named Skarnvelt, ended by Delete"
