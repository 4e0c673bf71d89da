# Shared set-up of scripts/play and scripts/test: installs what is missing, then builds.
# Sourced, not run.

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
JOBS="$(nproc 2>/dev/null || echo 4)"

# Installs the Debian packages named that are not installed yet.
install_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

BUILD_PACKAGES=(g++ cmake ninja-build pkg-config libsdl2-dev libsdl2-mixer-dev zlib1g-dev
    libvorbis-dev libgtest-dev libbenchmark-dev)
TEST_PACKAGES=(clang libclang-rt-14-dev xvfb xdotool xauth imagemagick x11-apps)

# Configures and builds one build folder: build_tree DIR [cmake options...]
build_tree() {
    local dir="$1"
    shift
    cmake -S "$ROOT" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$JOBS"
}

# A run folder whose assets were deleted is written again.
refresh_assets_stamp() {
    local run="$1/run"
    [ -f "$run/img/figur12_15_2.bmp" ] || rm -f "$run/.assets-stamp"
}
