#!/usr/bin/env bash
# Runs atspi_walk.py against the program on an X display and a D-Bus session
# of its own; the accessibility bus starts on demand inside that session.
# Usage: atspi_walk.sh PROGRAM
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/lib/xvfb.sh"
start_xvfb
trap stop_xvfb EXIT
DISPLAY=$marelto_display dbus-run-session -- /usr/bin/python3 "$here/atspi_walk.py" "$1"
