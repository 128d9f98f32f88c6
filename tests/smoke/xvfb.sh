# Shell helpers for tests that drive the real window on a private X server.
# Source this file; it starts Xvfb on a free display, exports DISPLAY, and stops
# the server and every program it started on exit. A test that cannot get an X
# server exits 77, which CTest reports as skipped.

XVFB_PID=""
STARTED_PIDS=()

# The server is waited for: on its way out it removes its socket, which must not
# happen after the next test's server has taken the same display number.
xvfb_cleanup() {
  local pid
  for pid in "${STARTED_PIDS[@]}"; do kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; done
  [ -n "$XVFB_PID" ] && { kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null; }
  [ -n "${XVFB_DIR:-}" ] && rm -rf "$XVFB_DIR"
}
trap xvfb_cleanup EXIT

# -noreset: the server would otherwise reset when its last client leaves, and refuse a
# program started right after another one ends.
xvfb_start() {
  command -v Xvfb >/dev/null || { echo "Xvfb is not installed"; exit 77; }
  command -v xdotool >/dev/null || { echo "xdotool is not installed"; exit 77; }
  XVFB_DIR=$(mktemp -d)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$XVFB_DIR/display" 2>"$XVFB_DIR/log" &
  XVFB_PID=$!
  local i
  for i in $(seq 100); do
    [ -s "$XVFB_DIR/display" ] && break
    kill -0 "$XVFB_PID" 2>/dev/null || { echo "Xvfb could not start:"; cat "$XVFB_DIR/log"; exit 77; }
    sleep 0.05
  done
  [ -s "$XVFB_DIR/display" ] || { echo "Xvfb did not report a display"; exit 77; }
  export DISPLAY=":$(head -n1 "$XVFB_DIR/display")"
  export QT_QPA_PLATFORM=xcb
  export XDG_RUNTIME_DIR="$XVFB_DIR/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  unset WAYLAND_DISPLAY
}

# Starts a program in the background on the private display; its pid is in $LAST_PID.
xvfb_launch() {
  "$@" &
  LAST_PID=$!
  STARTED_PIDS+=("$LAST_PID")
}

# Prints the id of the first visible window named exactly $1, waiting up to 20 s.
xvfb_wait_window() {
  local id i
  for i in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Waits up to 10 s for pid $1, started by xvfb_launch, to end; sets EXIT_CODE to its
# exit status, or to "timeout".
wait_exit() {
  local i
  EXIT_CODE=timeout
  for i in $(seq 100); do
    if ! kill -0 "$1" 2>/dev/null; then
      wait "$1"
      EXIT_CODE=$?
      return 0
    fi
    sleep 0.1
  done
}
