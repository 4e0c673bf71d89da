#!/usr/bin/env bash
# Runs inside xvfb-run (see sound_disk.sh).
set -euo pipefail
BUILD="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r "$BUILD/run/." "$work/"
cd "$work"

# Starts the program with the given audio driver, lets it run for a second, ends it with Delete
# and checks that it ended by itself with status 0.
run_and_quit() {
    SDL_AUDIODRIVER="$1" SDL_DISKAUDIOFILE="$work/mixed.raw" "$BUILD/zarune-windowed" \
        2>"$work/stderr.txt" &
    local pid=$!
    local wid
    wid="$(timeout 20 xdotool search --sync --onlyvisible --name '^Skarnvelt$' | head -n 1)"
    [ -n "$wid" ] || { echo "no window named Skarnvelt"; kill "$pid"; return 1; }
    sleep 1
    xdotool windowfocus --sync "$wid"
    xdotool key --window "$wid" Delete
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "driver $1: the program did not end on Delete"
        cat "$work/stderr.txt"
        kill "$pid"
        return 1
    fi
    local status=0
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || { echo "driver $1: exit status $status"; return 1; }
    if grep -q -e "Error" -e "ファイルが開けません" "$work/stderr.txt"; then
        echo "driver $1: an error box was raised:"
        cat "$work/stderr.txt"
        return 1
    fi
}

run_and_quit disk
# A second of 22050 Hz 16-bit stereo is 88200 bytes; the mixer writes while the program runs.
size="$(stat -c %s "$work/mixed.raw" 2>/dev/null || echo 0)"
if [ "$size" -lt 44100 ]; then
    echo "the disk driver wrote $size bytes; the mixer did not run"
    exit 1
fi

run_and_quit no-such-driver
grep -q "playing silently" "$work/stderr.txt" || { echo "no fallback to silence"; exit 1; }
echo "ok: mixer wrote $size bytes; missing driver fell back to silence"
