# Sourced by the tests that need a real X server: starts Xvfb on a display no other test of a
# parallel run holds, with openbox as the window manager (without one nothing is activated or
# maximised), exports DISPLAY and stops both when the test's shell exits. $dalsi_prikazy names
# further commands the test needs; $OBRAZOVKA the screen's size, 1280x800 unless given.

for cmd in Xvfb openbox xdpyinfo ${dalsi_prikazy:-}; do
    command -v "$cmd" >/dev/null || { echo "missing $cmd"; exit 1; }
done

for _ in $(seq 50); do
    cislo=$((100 + RANDOM % 800))
    [ -e "/tmp/.X11-unix/X$cislo" ] || [ -e "/tmp/.X$cislo-lock" ] || break
done
Xvfb ":$cislo" -screen 0 "${OBRAZOVKA:-1280x800}x24" -nolisten tcp &
xvfb=$!
wm=
trap 'kill $wm $xvfb 2>/dev/null || true' EXIT
export DISPLAY=:$cislo
# No session bus: with dbus-x11 installed every Qt program would start its own through X11
# autolaunch, and the accessibility bridge would activate the accessibility bus in it.
export DBUS_SESSION_BUS_ADDRESS=disabled:
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox --sm-disable &
wm=$!
sleep 1
