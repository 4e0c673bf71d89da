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
TEST_PACKAGES=(clang libclang-rt-14-dev xvfb xdotool xauth imagemagick x11-apps python3)

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

# The sanitizer build, which also builds the fuzzers, their seed corpora and the soak program.
build_sanitizer_tree() {
    build_tree "$ROOT/build-sanitize" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZARUNE_WERROR=ON \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
        -DZARUNE_SANITIZE=ON -DZARUNE_FUZZ=ON -DZARUNE_BENCH=OFF
}

# Runs one fuzzer in a fresh folder from a copy of its seed corpus: fuzz_one FUZZER [flags...].
# Prints libFuzzer's closing line; on a failure prints the log's end, keeps the folder with the
# crash input and fails. The fuzzers' scratch files go to /dev/shm where there is one.
fuzz_one() {
    local fuzzer="$1"
    shift
    local name work scratch=/tmp
    name="$(basename "$fuzzer")"
    work="$(mktemp -d)"
    mkdir "$work/corpus"
    cp -r "$ROOT/build-sanitize/fuzz/seeds/$name/." "$work/corpus/" 2>/dev/null || true
    [ -d /dev/shm ] && scratch=/dev/shm
    if (cd "$work" && TMPDIR="$scratch" "$fuzzer" "$@" corpus/ >fuzz.log 2>&1); then
        echo "-- $name: $(grep -E '^#[0-9]+[[:space:]]+DONE' "$work/fuzz.log" | tail -n 1)"
        rm -rf "$work"
    else
        echo "-- $name failed (its folder is $work):"
        tail -n 60 "$work/fuzz.log"
        return 1
    fi
}
