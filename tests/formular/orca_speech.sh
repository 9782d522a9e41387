#!/usr/bin/env bash
# Runs orca_speech.py in a D-Bus session of its own; the script starts its own
# X display, window manager and Orca inside it, and the accessibility bus
# starts on demand.
# Usage: orca_speech.sh PROGRAM [LOG]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
exec dbus-run-session -- /usr/bin/python3 "$here/orca_speech.py" "$@"
