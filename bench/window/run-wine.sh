#!/usr/bin/env bash
# Start-up of the Windows build under Wine: marelto.exe against the bare Qt
# window built the same way, each timed from exec to its window being mapped
# on a private Xvfb server, taken in turns. Wine's own start is in both
# figures, as a user under Wine feels it.
#
#   bench/window/run-wine.sh HOST_BUILD_DIR WINDOWS_BUILD_DIR QT_PREFIX [ROUNDS]
#
# HOST_BUILD_DIR holds map_timer (a Linux build with MARELTO_BUILD_BENCH=ON);
# WINDOWS_BUILD_DIR is scripts/build-windows' folder; QT_PREFIX the Qt for
# Windows that it used.
set -euo pipefail

timer=${1:?usage: run-wine.sh HOST_BUILD_DIR WINDOWS_BUILD_DIR QT_PREFIX [ROUNDS]}/bench/window/map_timer
# Wine takes only an absolute prefix.
windows=$(cd "${2:?windows build folder}" && pwd)
qt=${3:?Qt prefix}
rounds=${4:-11}
bare=$windows/bench/window/bare_window.exe
marelto=$windows/src/app/marelto.exe
for program in "$timer" "$bare" "$marelto"; do
    [[ -e $program ]] || { echo "run-wine.sh: $program is not built" >&2; exit 1; }
done

export WINEPREFIX=$windows/wine-bench WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
source "$(dirname "$0")/../../scripts/lib/windows-qt.sh"
WINEPATH=$(windows_dll_path "$qt")
export WINEPATH

# The prefix is made once, before there is a display, and the first start's
# set-up is over before anything is timed.
if [[ ! -f $WINEPREFIX/system.reg ]]; then
    DISPLAY= wine wineboot -i >/dev/null 2>&1 || true
    wineserver -w
fi

source "$(dirname "$0")/../../scripts/lib/xvfb.sh"
start_xvfb
xvfb=$marelto_xvfb_pid
trap 'wineserver -k 2>/dev/null; kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY=$marelto_display

median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
timed() {
    local micros
    micros=$(timeout 120 "$timer" wine "$1" 2>/dev/null) || micros=
    # Killing the loader leaves the Windows process to wineserver.
    wine taskkill /f /im "$(basename "$1")" >/dev/null 2>&1 || true
    echo "$micros"
}

timed "$bare" >/dev/null
timed "$marelto" >/dev/null
bare_times=() marelto_times=()
for _ in $(seq "$rounds"); do
    bare_times+=("$(timed "$bare")")
    marelto_times+=("$(timed "$marelto")")
done
bare_median=$(printf '%s\n' "${bare_times[@]}" | median)
marelto_median=$(printf '%s\n' "${marelto_times[@]}" | median)

echo "Wine: exec to window mapped, median of $rounds starts each:"
printf '  bare Qt window  %8.1f ms\n' "$(awk -v v="$bare_median" 'BEGIN {print v / 1000}')"
printf '  marelto.exe     %8.1f ms\n' "$(awk -v v="$marelto_median" 'BEGIN {print v / 1000}')"
awk -v m="$marelto_median" -v b="$bare_median" 'BEGIN {printf "  ratio           %.2f\n", m / b}'
