#!/usr/bin/env bash
# Runs inside xvfb-run (see present.sh).
set -euo pipefail
BUILD="$1"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
enter_run_folder

# Once with the renderer SDL picks here (OpenGL on Mesa, which keeps the texture bottom-up) and
# once with the software renderer (rows written in window order).
for driver in "" software; do
    SDL_RENDER_DRIVER="$driver" "$BUILD/tests/zarune-present-check" show &
    pid=$!
    wait_for_window || { kill "$pid"; exit 1; }
    sleep 0.5

    xwd -id "$wid" -silent -out window.xwd
    status=0
    "$BUILD/tests/zarune-present-check" compare window.xwd || status=$?
    xdotool key --window "$wid" Delete
    expect_clean_exit "$pid"
    [ "$status" -eq 0 ] || { echo "renderer '${driver:-default}' shows a wrong picture"; exit 1; }
done
echo "ok: the window shows the whole present and both rectangles where they were sent"
