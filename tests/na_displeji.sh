#!/usr/bin/env bash
# Runs a test program on a virtual X server with a window manager, so its windows are
# activated and get the focus the way they do on a desktop.
set -euo pipefail

for cmd in Xvfb openbox xdpyinfo; do
    command -v "$cmd" >/dev/null || { echo "missing $cmd"; exit 1; }
done

# A display number no other test of a parallel run holds.
for _ in $(seq 50); do
    cislo=$((100 + RANDOM % 800))
    [ -e "/tmp/.X11-unix/X$cislo" ] || [ -e "/tmp/.X$cislo-lock" ] || break
done
display=:$cislo
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp &
xvfb=$!
wm=
trap 'kill $wm $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox --sm-disable &
wm=$!
sleep 1

QT_QPA_PLATFORM=xcb "$@"
