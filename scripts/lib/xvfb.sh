# A private Xvfb server for the scripts that show a window. Xvfb chooses a
# free display number itself (-displayfd) and writes it once it accepts
# clients, so nothing guesses a number or polls for the server. It never
# resets: by default an X server resets each time its last client leaves and
# drops a client whose connection is still being set up at that moment, which
# is how a program started beside a short-lived client (AT-SPI's bus launcher
# setting its root-window property) met "could not connect to display".
#
#   start_xvfb [SCREEN]   sets marelto_display (":N") and marelto_xvfb_pid
#   stop_xvfb
start_xvfb() {
  local screen=${1:-1024x768x24} ready number
  ready=$(mktemp -d)
  mkfifo "$ready/display"
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$ready/display" >/dev/null 2>&1 &
  marelto_xvfb_pid=$!
  # Xvfb that dies before it is ready closes the pipe and the read fails.
  if ! read -r -t 30 number <"$ready/display" || [ -z "$number" ]; then
    rm -rf "$ready"
    kill "$marelto_xvfb_pid" 2>/dev/null || true
    echo "Xvfb did not start" >&2
    return 1
  fi
  rm -rf "$ready"
  marelto_display=:$number
}

# Stops the server start_xvfb started and waits until it is gone, so that the
# next server never meets this one's display or sockets.
stop_xvfb() {
  kill "$marelto_xvfb_pid" 2>/dev/null || true
  wait "$marelto_xvfb_pid" 2>/dev/null || true
}
