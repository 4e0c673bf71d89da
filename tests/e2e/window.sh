#!/usr/bin/env bash
# The windowed program under a virtual X server: it shows a 640x480 window named "Skarnvelt",
# and a Delete key press ends it with exit status 0.
set -euo pipefail
BUILD="$(cd "$1" && pwd)"
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$HERE/window_inner.sh" "$BUILD"
