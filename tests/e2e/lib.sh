# Shared steps of the end-to-end scripts, sourced inside xvfb-run. BUILD is the build folder.

# A fresh copy of the run folder as the current folder; removed on exit.
enter_run_folder() {
    work="$(mktemp -d)"
    trap 'rm -rf "$work"' EXIT
    cp -r "$BUILD/run/." "$work/"
    cd "$work"
}

# Waits for the game's window and gives it the keyboard; sets wid.
wait_for_window() {
    wid="$(timeout 20 xdotool search --sync --onlyvisible --name '^Skarnvelt$' | head -n 1)"
    [ -n "$wid" ] || { echo "no window named Skarnvelt"; return 1; }
    xdotool windowfocus --sync "$wid"
}

# Holds a key for a few frames, as a person taps it.
tap() {
    xdotool keydown --window "$wid" "$1"
    sleep 0.1
    xdotool keyup --window "$wid" "$1"
}

# Waits up to ten seconds for process $1 to end by itself; then its exit status must be 0.
expect_clean_exit() {
    local pid="$1"
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "the program did not end"
        kill "$pid"
        return 1
    fi
    local status=0
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || { echo "exit status $status"; return 1; }
}
