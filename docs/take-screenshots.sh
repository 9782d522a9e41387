#!/usr/bin/env bash
# Retakes the README's screenshots: the built calculator on a private Xvfb
# server under German settings, driven by xdotool as a user would click.
#
#   docs/take-screenshots.sh BUILD_DIR
set -euo pipefail

marelto=${1:?usage: take-screenshots.sh BUILD_DIR}/src/app/marelto
docs=$(cd "$(dirname "$0")" && pwd)
source "$docs/../scripts/lib/xvfb.sh"

app=
start_xvfb 640x480x24
xvfb=$marelto_xvfb_pid
trap 'kill $app "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY=$marelto_display XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 "$marelto" &
app=$!
window=$(xdotool search --sync --name 'Marelto V1.0' | head -n 1)
sleep 0.5

# Clicks the middle of a control, given its place in the window in pixels.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }
shoot() { import -window "$window" "$docs/$1"; }

click 256 204   # "Berechnen" on the new-water panel
shoot new-water.png
click 212 332   # "Calcium"
click 36 100    # "Berechnung mit Magnesiumzugabe"
click 312 220   # "Berechnen" on the calcium panel
shoot calcium.png
click 324 332   # "Über"
shoot about.png
