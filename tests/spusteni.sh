#!/usr/bin/env bash
# Starts the built program under a virtual X server with a window manager, checks that its
# window titled "Kodovar" appears maximised, that "Nápověda" -> "O Programu" opens a dialog
# whose title the window manager shows exactly as "O Programu", ends it through
# "Soubor" -> "Konec" and checks the exit status.
set -euo pipefail
program=$1

dalsi_prikazy="xdotool xprop"
source "$(dirname "$0")/x_server.sh"

"$program" &
app=$!

# Runs the command every 0.1 s until it succeeds, at most the given number of times.
cekej() {
    local pokusu=$1
    shift
    for _ in $(seq "$pokusu"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
selhani() {
    echo "$1"
    kill $app 2>/dev/null
    exit 1
}
# Sets $nalezene to the first visible window whose title matches.
najdi() { nalezene=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true); [ -n "$nalezene" ]; }
zadne() { ! najdi "$1"; }
maximalizovane() {
    stav=$(xprop -id "$okno" _NET_WM_STATE)
    [[ $stav == *MAXIMIZED_VERT* && $stav == *MAXIMIZED_HORZ* ]]
}

cekej 100 najdi '^Kodovar$' || selhani "no window titled Kodovar"
okno=$nalezene
cekej 50 maximalizovane || selhani "not maximised: $stav"

# "Nápověda" is the third entry of the menu bar; "O Programu" its first item. The title the
# window manager shows must carry nothing appended to the dialog's own.
xdotool windowactivate --sync "$okno"
xdotool mousemove --window "$okno" 20 10 click 1
sleep 0.5
xdotool key Right Right Down Return
cekej 50 najdi 'O Programu' || selhani "O Programu did not open"
titulek=$(xprop -id "$nalezene" _NET_WM_NAME)
[ "$titulek" = '_NET_WM_NAME(UTF8_STRING) = "O Programu"' ] || selhani "About dialog titled: $titulek"
xdotool key Escape
cekej 50 zadne 'O Programu' || selhani "O Programu did not close"

# "Soubor" is the first entry of the menu bar; "Konec" its second item, after "Načíst ze skriptu…".
xdotool windowactivate --sync "$okno"
xdotool mousemove --window "$okno" 20 10 click 1
sleep 0.5
xdotool key Down Down Return

skoncil() { ! kill -0 $app 2>/dev/null; }
cekej 100 skoncil || selhani "still running after Konec"
wait $app
echo "window appeared maximised, the About dialog kept its title and Konec ended the program with status 0"
