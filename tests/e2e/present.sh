#!/usr/bin/env bash
# The SDL backend's presents under a virtual X server: a screenshot of the window after a whole
# present and two partial ones (one moved) must show every pixel where it belongs.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
enter_run_folder
start_x_server 1024x768

# Once with the renderer SDL picks here (OpenGL on Mesa, which keeps the texture bottom-up) and
# once with the software renderer (rows written in window order).
for driver in "" software; do
    renderer="renderer '${driver:-default}'"
    start env SDL_RENDER_DRIVER="$driver" "$BUILD/tests/zarune-present-check" show
    wait_for_window
    # The first picture may be from before the last present: look until all three are shown.
    end=$((SECONDS + DEADLINE))
    until shot window.xwd && "$BUILD/tests/zarune-present-check" compare window.xwd \
        >compare.txt 2>&1; do
        ((SECONDS < end)) || fail "$renderer: awaited the presented picture; saw:
$(cat compare.txt)"
        expect_running "the $renderer's picture"
        sleep 0.1
    done
    xdotool key Delete
    expect_clean_exit "Delete ($renderer)"
done
echo "ok: the window shows the whole present and both rectangles where they were sent"
