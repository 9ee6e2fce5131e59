# Sourced by scripts/run and scripts/test: installs what is missing and builds.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

paketyBehu=(cmake ninja-build g++ qt6-base-dev libgl-dev qt6-translations-l10n)
paketyTestu=(locales libbenchmark-dev xvfb openbox xdotool x11-utils dpkg-dev appstream desktop-file-utils
             at-spi2-core dbus-x11 python3-pyatspi gir1.2-atspi-2.0)
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

# The preview's tests also run under a Czech locale, whose decimal comma the script must not take.
ceskeNastaveni() {
    locale -a 2>/dev/null | grep -qix 'cs_CZ.utf8' && return 0
    if [ "$(id -u)" -eq 0 ]; then
        sed -i 's/^# *\(cs_CZ.UTF-8 UTF-8\)/\1/' /etc/locale.gen
        grep -qx 'cs_CZ.UTF-8 UTF-8' /etc/locale.gen || echo 'cs_CZ.UTF-8 UTF-8' >>/etc/locale.gen
        locale-gen >/dev/null
    else
        echo "The Czech locale is missing; without it one test is skipped. To add it, run:"
        echo "  sudo sh -c \"echo 'cs_CZ.UTF-8 UTF-8' >>/etc/locale.gen && locale-gen\""
    fi
}

# sestav <build dir> [cmake options...] [-- <targets>]: configures and builds everything, or
# only the targets after "--".
sestav() {
    local adresar=$1
    shift
    local volby=() cile=()
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do volby+=("$1"); shift; done
    [ $# -gt 0 ] && { shift; cile=("$@"); }
    cmake -S "$top" -B "$top/$adresar" -G Ninja "${volby[@]}" >/dev/null
    if [ ${#cile[@]} -gt 0 ]; then
        cmake --build "$top/$adresar" --target "${cile[@]}"
    else
        cmake --build "$top/$adresar"
    fi
}
