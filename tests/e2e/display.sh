#!/usr/bin/env bash
# The borderless and full-screen programs on a 1024x768 screen with no window manager, where
# the display cannot switch to 640x480: the borderless window sits centred, the full-screen one
# covers the screen, and both show the whole title picture (the full-screen one scaled 1.6x).
# Then the full-screen program on a 1280x720 screen: the picture scaled 1.5x between black bars.
set -euo pipefail
BUILD="$(cd "$1" && pwd)"
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
shots="$(mktemp -d)"
trap 'rm -rf "$shots"' EXIT
xvfb-run -a -s "-screen 0 1024x768x24" bash "$HERE/display_inner.sh" "$BUILD" "$shots" 1024x768
xvfb-run -a -s "-screen 0 1280x720x24" bash "$HERE/display_inner.sh" "$BUILD" "$shots" 1280x720
