# Sourced by the x11 stages with the program and a screenshot folder as $1 and $2: a
# private Xvfb server (exit 77, skipped, where none can start), a fresh folder $work that
# also holds the program's application data, and the helpers that drive the program.
set -u
tessara=$1 artefacts=$2 work=$(mktemp -d) pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; import -window root "$artefacts/failure.png" 2>/dev/null; exit 1; }
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "no Xvfb or xdotool"; exit 77; }
# -noreset: the server would otherwise reset when its last client leaves.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null & pids+=($!)
await() { for i in $(seq 200); do "$@" && return 0; sleep 0.1; done; return 1; }  # up to 20 s
await test -s "$work/display" || { echo "Xvfb did not start"; exit 77; }
export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work \
  XDG_DATA_HOME=$work/data
mkdir -p "$artefacts" && chmod 700 "$work"
# Takes the first window whose name matches $1 as $win, focused, with its menu bar's height.
take_window() {
  win=$(xdotool search --onlyvisible --name "$1" | head -n1)
  xdotool windowfocus --sync "$win"
  eval "$(xdotool getwindowgeometry --shell "$win")"
  bar=$((HEIGHT - 550))  # the client area is 725 x 550 under the menu bar
}
# Clicks at a client point, or at a canvas point (the canvas is at client 120, 8).
client() { xdotool mousemove --window "$win" "$1" $(($2 + bar)) click 1; }
canvas() { client $((120 + $1)) $((8 + $2)); }
# Answers the dialog named $1 by typing $2 and Return.
type_into() {
  await xdotool search --onlyvisible --name "$1" >/dev/null || fail "no dialog named $1"
  xdotool windowfocus --sync "$(xdotool search --onlyvisible --name "$1" | head -n1)"
  xdotool key ctrl+a && xdotool type --delay 20 "$2" && xdotool key Return
}
