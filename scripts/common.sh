# Shared by run.sh and test.sh: install what is missing, then configure and build incrementally.
set -euo pipefail

QUILLBY_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
QUILLBY_BUILD="${QUILLBY_BUILD_DIR:-$QUILLBY_ROOT/build}"

quillby_install_packages() {
    local wanted missing=()
    wanted=$(grep -v '^\s*#' "$QUILLBY_ROOT/scripts/debian-packages.txt" | grep -v '^\s*$')
    for pkg in $wanted; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

quillby_build() {
    local launcher=()
    command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    if [ ! -f "$QUILLBY_BUILD/CMakeCache.txt" ]; then
        cmake -S "$QUILLBY_ROOT" -B "$QUILLBY_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
    fi
    cmake --build "$QUILLBY_BUILD" --parallel "$(nproc)"
}
