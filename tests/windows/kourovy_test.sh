#!/usr/bin/env bash
# The Windows artefacts as a person meets them, under wine on a virtual X server: the portable
# zip unpacked and started, the Menu tab generated with a click and its Create pane copied with
# "Kopírovat vše", which must put on the clipboard the very bytes the Linux program of the same
# sources puts there; then the installer run silently, the installed program started from where
# the Start-menu entry points, and the uninstaller, which must leave nothing behind.
# Arguments: the zip, the installer, the Linux program. WINEPREFIX names a prefix made for it.
set -euo pipefail
zip=$1 instalator=$2 linuxovy=$3

dalsi_prikazy="xdotool xclip wine wineserver unzip"
source "$(dirname "$0")/../x_server.sh"
# The program must run on what it carries: no library from the build machine's Qt.
unset WINEPATH

docasna=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; kill $wm $xvfb 2>/dev/null || true; rm -rf "$docasna"' EXIT

selhani() { echo "Windows smoke test: $1" >&2; exit 1; }

# Waits up to a minute (wine's first start of a program is slow) for a visible window titled
# exactly Kodovar and sets $okno to it.
cekejNaOkno() {
    for _ in $(seq 600); do
        okno=$(xdotool search --onlyvisible --name '^Kodovar$' 2>/dev/null | head -n 1 || true)
        [ -n "$okno" ] && return 0
        sleep 0.1
    done
    return 1
}

# Generates the Menu tab's start values and copies the Create pane, by the mouse: the button
# sits at its designed place under the menu and tab bars, the panes' tabs and the pane at the
# bottom of the window. A program under wine may show its window a while before it answers
# clicks, so an empty clipboard means another try. Prints what the clipboard holds then.
vygenerujAZkopiruj() {
    cekejNaOkno || selhani "no window titled Kodovar from $1"
    local schranka=
    for pokus in 1 2 3 4 5; do
        sleep $((pokus * 2))
        xdotool windowactivate --sync "$okno"
        eval "$(xdotool getwindowgeometry --shell "$okno")"
        printf '' | xclip -selection clipboard
        xdotool mousemove --window "$okno" 504 345 click 1
        sleep 2
        xdotool mousemove --window "$okno" 32 $((HEIGHT - 187)) click 1
        sleep 1
        xdotool mousemove --window "$okno" 500 $((HEIGHT - 100)) click 3
        sleep 1
        xdotool key Down Down Return
        sleep 1
        schranka=$(xclip -o -selection clipboard; echo x)
        [ "$schranka" != x ] && break
    done
    printf '%s' "${schranka%x}"
}

zavri() {
    xdotool windowclose "$okno" 2>/dev/null || true
    for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
    kill "$1" 2>/dev/null || true
}

"$linuxovy" &
program=$!
vygenerujAZkopiruj "the Linux program" >"$docasna/linux.txt"
zavri $program
grep -q '^global.m_vybrany = 1' "$docasna/linux.txt" ||
    selhani "the Linux program's Create pane did not reach the clipboard: $(head -c 200 "$docasna/linux.txt")"

unzip -q "$zip" -d "$docasna/zip"
exe=$(find "$docasna/zip" -name kodovar.exe)
[ -n "$exe" ] || selhani "no kodovar.exe in $zip"
wine "$exe" &
program=$!
vygenerujAZkopiruj "the zip" >"$docasna/windows.txt"
zavri $program
cmp "$docasna/linux.txt" "$docasna/windows.txt" ||
    selhani "the clipboard differs from the Linux program's: $(head -c 300 "$docasna/windows.txt" | od -c | head)"
echo "zip: the Create pane on the clipboard is byte for byte the Linux program's ($(wc -c <"$docasna/linux.txt") bytes)"

# The installer, silently, for the current user.
wine "$instalator" /S
wineserver -w
c=$(winepath -u 'C:\' 2>/dev/null)
uzivatel=$(wine cmd /c 'echo %USERPROFILE%' 2>/dev/null | tr -d '\r')
profil=$(winepath -u "$uzivatel")
slozka=$profil/AppData/Local/Programs/Kodovar
zastupce=$profil/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/Kodovar.lnk
[ -f "$slozka/kodovar.exe" ] || selhani "the installer put no kodovar.exe into $slozka"
[ -f "$zastupce" ] || selhani "the installer made no Start-menu entry at $zastupce"
(cd "$(dirname "$exe")" && find . -type f | sort) >"$docasna/zip.txt"
(cd "$slozka" && find . -type f ! -name Odinstalovat.exe | sort) >"$docasna/instalace.txt"
diff "$docasna/zip.txt" "$docasna/instalace.txt" || selhani "the installer installed other files than the zip holds"
strings "$zastupce" | grep -qi 'kodovar.exe' || selhani "the Start-menu entry does not point at kodovar.exe"

wine "$slozka/kodovar.exe" &
program=$!
cekejNaOkno || selhani "the installed program opened no window"
zavri $program
echo "installer: installed into ${slozka#"$c"}, with its Start-menu entry; the installed program starts"

wine "$slozka/Odinstalovat.exe" /S
wineserver -w
[ ! -e "$slozka" ] || selhani "the uninstaller left $(find "$slozka" | head -n 5)"
[ ! -e "$zastupce" ] || selhani "the uninstaller left the Start-menu entry"
! wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kodovar' >/dev/null 2>&1 ||
    selhani "the uninstaller left its registry key"
echo "uninstaller: removed the program, its Start-menu entry and its registry key"
