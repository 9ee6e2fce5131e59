# Sourced by scripts/run and scripts/test: installs what is missing and builds.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

paketyBehu=(cmake ninja-build g++ qt6-base-dev libgl-dev libbenchmark-dev)
paketyTestu=(xvfb openbox xdotool x11-utils dpkg-dev appstream desktop-file-utils)
paketyFuzz=(clang libclang-rt-14-dev)

instaluj() {
    local chybi=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || chybi+=("$p")
    done
    [ ${#chybi[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: ${chybi[*]}"
        DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${chybi[@]}" ||
            { apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${chybi[@]}"; }
    else
        echo "Some packages are missing. Run this, then try again:"
        echo "  sudo apt-get install -y ${chybi[*]}"
        exit 1
    fi
}

sestav() {
    local adresar=$1
    shift
    cmake -S "$top" -B "$top/$adresar" -G Ninja "$@" >/dev/null
    cmake --build "$top/$adresar"
}
