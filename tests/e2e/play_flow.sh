#!/usr/bin/env bash
# The windowed program played like a person would: through the logo, the title, the level
# select and the introduction into stage 1, firing and moving, a pause, then Delete. It must
# end with status 0, leave the high-score file it creates on a first start, and its mixer must
# have made sound (SDL's disk audio driver writes what it mixes to a file).
set -euo pipefail
BUILD="$(cd "$1" && pwd)"
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$HERE/play_flow_inner.sh" "$BUILD"
