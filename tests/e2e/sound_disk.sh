#!/usr/bin/env bash
# The windowed program's sound device under a virtual X server: with SDL's disk audio driver the
# mixer's output reaches a file, and with a driver that does not exist the program falls back to
# silence and keeps running (no error box, which would stop it from reacting to Delete).
set -euo pipefail
BUILD="$(cd "$1" && pwd)"
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$HERE/sound_disk_inner.sh" "$BUILD"
