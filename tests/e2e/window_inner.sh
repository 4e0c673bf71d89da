#!/usr/bin/env bash
# Runs inside xvfb-run (see window.sh).
set -euo pipefail
BUILD="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r "$BUILD/run/." "$work/"
cd "$work"

SDL_AUDIODRIVER=dummy "$BUILD/zarune-windowed" &
pid=$!

wid="$(timeout 20 xdotool search --sync --onlyvisible --name '^Skarnvelt$' | head -n 1)"
[ -n "$wid" ] || { echo "no window named Skarnvelt"; kill "$pid"; exit 1; }

geometry="$(xdotool getwindowgeometry "$wid" | sed -n 's/.*Geometry: //p')"
if [ "$geometry" != "640x480" ]; then
    echo "window is $geometry, not 640x480"
    kill "$pid"
    exit 1
fi

xdotool windowfocus --sync "$wid"
xdotool key --window "$wid" Delete

for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "the program did not end on Delete"
    kill "$pid"
    exit 1
fi
status=0
wait "$pid" || status=$?
echo "exit status $status"
[ "$status" -eq 0 ]
