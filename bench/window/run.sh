#!/usr/bin/env bash
# Start-up of the calculator against a bare Qt Widgets window (one label, one
# button), both timed from exec to their window being mapped on a private
# Xvfb server, taken in turns so that load on the machine hits both alike;
# then the press-to-result time of each calculator button.
#
#   bench/window/run.sh BUILD_DIR [ROUNDS]
#
# BUILD_DIR is a build of the project with MARELTO_BUILD_BENCH=ON.
set -euo pipefail

build=${1:?usage: run.sh BUILD_DIR [ROUNDS]}
rounds=${2:-41}
# The calculator may take at most this many times the bare window's start.
limit=1.20
timer=$build/bench/window/map_timer
bare=$build/bench/window/bare_window
marelto=$build/src/app/marelto
handlers=$build/bench/window/handler_timing
for program in "$timer" "$bare" "$marelto" "$handlers"; do
    [[ -x $program ]] || { echo "run.sh: $program is not built" >&2; exit 1; }
done

source "$(dirname "$0")/../../scripts/lib/xvfb.sh"
start_xvfb
xvfb=$marelto_xvfb_pid
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY=$marelto_display XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

# One untimed start of each warms the font and library caches.
"$timer" "$bare" >/dev/null 2>&1
"$timer" "$marelto" >/dev/null 2>&1
bare_times=() marelto_times=()
for _ in $(seq "$rounds"); do
    bare_times+=("$("$timer" "$bare" 2>/dev/null)")
    marelto_times+=("$("$timer" "$marelto" 2>/dev/null)")
done
bare_median=$(printf '%s\n' "${bare_times[@]}" | median)
marelto_median=$(printf '%s\n' "${marelto_times[@]}" | median)
ratio=$(awk -v m="$marelto_median" -v b="$bare_median" 'BEGIN {printf "%.2f", m / b}')

echo "exec to window mapped, median of $rounds starts each:"
printf '  bare Qt window  %8.1f ms\n' "$(awk -v v="$bare_median" 'BEGIN {print v / 1000}')"
printf '  marelto         %8.1f ms\n' "$(awk -v v="$marelto_median" 'BEGIN {print v / 1000}')"
echo "  ratio           $ratio (limit $limit)"
echo
echo "press to result, offscreen:"
QT_QPA_PLATFORM=offscreen "$handlers" 2>/dev/null | sed 's/^/  /'
awk -v r="$ratio" -v l="$limit" 'BEGIN {exit !(r <= l)}' ||
  { echo "start-up slower than $limit x the bare window" >&2; exit 1; }
