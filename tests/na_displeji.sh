#!/usr/bin/env bash
# Runs a test program on a virtual X server with a window manager, so its windows are
# activated and get the focus the way they do on a desktop.
set -euo pipefail
source "$(dirname "$0")/x_server.sh"
QT_QPA_PLATFORM=xcb "$@"
