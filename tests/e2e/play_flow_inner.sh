#!/usr/bin/env bash
# Runs inside xvfb-run (see play_flow.sh). The waits are generous: every menu waits for the
# player, so a slow machine only makes the run longer.
set -euo pipefail
BUILD="$1"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
enter_run_folder
rm -f init.bin

SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/mixed.raw" "$BUILD/zarune-windowed" &
pid=$!
wait_for_window || { kill "$pid"; exit 1; }

sleep 6       # the logo hands over to the title after 200 frames
tap z         # title: start
sleep 1.5
tap z         # level select: difficulty
sleep 0.5
tap z         # conversations
sleep 0.5
tap z         # start
sleep 3       # the introduction fades into stage 1

xdotool keydown --window "$wid" z Left
sleep 1
xdotool keyup --window "$wid" Left
xdotool keydown --window "$wid" Right Up
sleep 1
xdotool keyup --window "$wid" z Right Up

# Escape pauses stage play; on the title it would have ended the program.
tap Escape
sleep 1
kill -0 "$pid" 2>/dev/null || { echo "Escape ended the program: stage play was not reached"; exit 1; }

xdotool key --window "$wid" Delete
expect_clean_exit "$pid"

[ -f init.bin ] || { echo "init.bin was not created"; exit 1; }
if [ -z "$(tr -d '\000' < "$work/mixed.raw" | head -c 1)" ]; then
    echo "the mixer wrote only silence"
    exit 1
fi
echo "ok: played into stage 1, paused, quit; init.bin created; the mixer made sound"
