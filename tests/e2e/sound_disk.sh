#!/usr/bin/env bash
# The windowed program's sound device under a virtual X server: with SDL's disk audio driver the
# mixer's output reaches a file, and with a driver that does not exist the program falls back to
# silence and keeps running (no error box, which would stop it from reacting to Delete).
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
enter_run_folder
start_x_server 1024x768

# Runs the program with the given audio driver until its window is up and, with the disk
# driver, half a second of 22050 Hz 16-bit stereo (44100 bytes) is mixed; then Delete must end
# it with status 0 and without an error box.
run_and_quit() {
    local driver="$1"
    start env SDL_AUDIODRIVER="$driver" SDL_DISKAUDIOFILE="$work/mixed.raw" \
        "$BUILD/zarune-windowed"
    wait_for_window
    if [ "$driver" = disk ]; then
        local end=$((SECONDS + DEADLINE))
        until [ "$(mixed_bytes)" -ge 44100 ]; do
            ((SECONDS < end)) || fail "awaited 44100 mixed bytes; the disk driver wrote $(mixed_bytes)"
            expect_running "the mixer's output"
            sleep 0.1
        done
    fi
    xdotool key Delete
    expect_clean_exit "Delete (driver $driver)"
    if grep -q -e "Error" -e "ファイルが開けません" "$work/stderr.txt"; then
        fail "driver $driver: an error box was raised: $(cat "$work/stderr.txt")"
    fi
}

mixed_bytes() {
    stat -c %s "$work/mixed.raw" 2>/dev/null || echo 0
}

run_and_quit disk
run_and_quit no-such-driver
grep -q "playing silently" "$work/stderr.txt" || fail "no fallback to silence"
echo "ok: the mixer wrote $(mixed_bytes) bytes; a missing driver fell back to silence"
