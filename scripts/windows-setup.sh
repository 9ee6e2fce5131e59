# Sourced by scripts/windows, scripts/bench and .ci/run: where Qt for Windows is kept, how it is
# built once from Debian's own source of the Qt this machine builds the Linux program with, and
# where the Windows build and its wine live.
qtVerze=6.4.2
qtBalik="qt6-base=$qtVerze+dfsg-10"
qtCache=${KODOVAR_QT_WINDOWS:-${XDG_CACHE_HOME:-$HOME/.cache}/kodovar/qt-$qtVerze-mingw64}
qtPrefix=$qtCache/qt
qtToolchain=$qtPrefix/lib/cmake/Qt6/qt.toolchain.cmake

vystup=$top/build-windows
sestaveni=$vystup/sestaveni

qtProWindowsJeHotove() {
    [ -f "$qtCache/hotovo" ] && [ -f "$qtToolchain" ]
}

# Builds into a scratch folder beside the cache and marks the cache complete only at the end,
# so an interrupted build is started over rather than used half made.
sestavQtProWindows() {
    local prace=$qtCache.prace
    rm -rf "$prace" "$qtCache"
    mkdir -p "$prace/lists/partial" "$qtCache"
    # The machine's apt set-up stays untouched: a list of our own names Debian's source archive.
    local suite
    suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
    echo "deb-src http://deb.debian.org/debian $suite main" >"$prace/zdroje.list"
    local apt=(-o "Dir::Etc::SourceList=$prace/zdroje.list" -o Dir::Etc::SourceParts=/dev/null
               -o "Dir::State::Lists=$prace/lists" -o APT::Sandbox::User=root)
    apt-get "${apt[@]}" update >/dev/null
    (cd "$prace" && apt-get "${apt[@]}" source "$qtBalik" >/dev/null 2>&1)
    local zdroj
    zdroj=$(find "$prace" -maxdepth 1 -type d -name "qt6-base-*" | head -n1)
    [ -n "$zdroj" ] || { echo "Qt's source did not arrive from Debian's archive." >&2; return 1; }

    # The installed toolchain file chain-loads this copy, which outlives any work tree. OpenGL
    # goes off as a whole (INPUT_opengl): off as a feature alone, it leaves Windows' dynamic
    # OpenGL on, and the platform plugin then does not compile.
    cp "$top/cmake/mingw-w64.cmake" "$qtCache/mingw-w64.cmake"
    cmake -S "$zdroj" -B "$prace/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$qtCache/mingw-w64.cmake" \
        -DCMAKE_INSTALL_PREFIX="$qtPrefix" -DCMAKE_BUILD_TYPE=Release \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DINPUT_opengl=no \
        -DFEATURE_printsupport=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_icu=OFF \
        -DFEATURE_tabletevent=OFF -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF \
        >"$prace/konfigurace.log"
    cmake --build "$prace/build" >"$prace/sestaveni.log"
    cmake --install "$prace/build" >/dev/null
    touch "$qtCache/hotovo"
    rm -rf "$prace"
}

# Wine in a prefix of the build's own, quiet, and without the offers to install its .NET and
# HTML engines, which would wait for a click; Windows programs find Qt's and MinGW's libraries
# through WINEPATH.
pripravWine() {
    export WINEPREFIX=$vystup/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    mkdir -p "$vystup"
    [ -d "$WINEPREFIX" ] || wineboot -i >/dev/null 2>&1
    local cesty=() knihovna
    cesty+=("$(winepath -w "$qtPrefix/bin")")
    for knihovna in libstdc++-6.dll libwinpthread-1.dll; do
        cesty+=("$(winepath -w "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=$knihovna)")")")
    done
    WINEPATH=$(IFS=';' && echo "${cesty[*]}")
    export WINEPATH
}
