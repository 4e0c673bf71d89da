#!/usr/bin/env bash
# The SDL backend's presents under a virtual X server: a screenshot of the window after a whole
# present and two partial ones (one moved) must show every pixel where it belongs.
set -euo pipefail
BUILD="$(cd "$1" && pwd)"
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$HERE/present_inner.sh" "$BUILD"
