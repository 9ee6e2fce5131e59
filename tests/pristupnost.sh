#!/usr/bin/env bash
# Starts a virtual X server with a window manager and a D-Bus session, and in it the AT-SPI
# client pristupnost.py, which starts the program on the accessibility bus and reads and drives
# it as a screen reader and a keyboard-only user do.
set -euo pipefail
program=$1

dalsi_prikazy="xdotool dbus-run-session /usr/libexec/at-spi-bus-launcher"
source "$(dirname "$0")/x_server.sh"
# Debian's AT-SPI client lives in the system's Python, whatever python3 comes first on the path.
/usr/bin/python3 -c 'import pyatspi' || { echo "missing python3-pyatspi"; exit 1; }

dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/pristupnost.py" "$program"
