#!/usr/bin/env bash
# Starts the built program under a virtual X server with a window manager, checks that its
# window titled "Kodovar" appears maximised, that "Nápověda" -> "O Programu" opens a dialog
# whose title the window manager shows exactly as "O Programu", ends it through
# "Soubor" -> "Konec" and checks the exit status.
set -euo pipefail
program=$1

for cmd in Xvfb openbox xdotool xprop; do
    command -v "$cmd" >/dev/null || { echo "missing $cmd"; exit 1; }
done

display=:$((90 + RANDOM % 400))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp &
xvfb=$!
trap 'kill $wm $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox --sm-disable &
wm=$!
sleep 1

"$program" &
app=$!

okno=""
for _ in $(seq 100); do
    okno=$(xdotool search --onlyvisible --name '^Kodovar$' 2>/dev/null | head -n 1 || true)
    [ -n "$okno" ] && break
    sleep 0.1
done
[ -n "$okno" ] || { echo "no window titled Kodovar"; kill $app; exit 1; }

stav=""
for _ in $(seq 50); do
    stav=$(xprop -id "$okno" _NET_WM_STATE)
    [[ $stav == *MAXIMIZED_VERT* && $stav == *MAXIMIZED_HORZ* ]] && break
    sleep 0.1
done
[[ $stav == *MAXIMIZED_VERT* && $stav == *MAXIMIZED_HORZ* ]] || { echo "not maximised: $stav"; kill $app; exit 1; }

# "Nápověda" is the third entry of the menu bar; "O Programu" its first item. The title the
# window manager shows must carry nothing appended to the dialog's own.
xdotool windowactivate --sync "$okno"
xdotool mousemove --window "$okno" 20 10 click 1
sleep 0.5
xdotool key Right Right Down Return
dialog=""
for _ in $(seq 50); do
    dialog=$(xdotool search --onlyvisible --name 'O Programu' 2>/dev/null | head -n 1 || true)
    [ -n "$dialog" ] && break
    sleep 0.1
done
[ -n "$dialog" ] || { echo "O Programu did not open"; kill $app; exit 1; }
titulek=$(xprop -id "$dialog" _NET_WM_NAME)
[ "$titulek" = '_NET_WM_NAME(UTF8_STRING) = "O Programu"' ] ||
    { echo "About dialog titled: $titulek"; kill $app; exit 1; }
xdotool key Escape
for _ in $(seq 50); do
    [ -z "$(xdotool search --onlyvisible --name 'O Programu' 2>/dev/null || true)" ] && break
    sleep 0.1
done

# "Soubor" is the first entry of the menu bar; "Konec" its first item.
xdotool windowactivate --sync "$okno"
xdotool mousemove --window "$okno" 20 10 click 1
sleep 0.5
xdotool key Down Return

for _ in $(seq 100); do
    kill -0 $app 2>/dev/null || break
    sleep 0.1
done
if kill -0 $app 2>/dev/null; then
    echo "still running after Konec"
    kill $app
    exit 1
fi
wait $app
echo "window appeared maximised, the About dialog kept its title and Konec ended the program with status 0"
