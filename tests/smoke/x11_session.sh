# Sourced by the x11 tests with their arguments <tessara binary> <artefacts folder>: a
# private Xvfb server for the real program. Sets tessara, artefacts, work (a private
# folder, removed at exit), pids (killed at exit) and DISPLAY; defines fail (keeps a
# screenshot) and await (up to 20 s). Exits 77 (skipped) when no X server can start.
tessara=$1 artefacts=$2 work=$(mktemp -d) pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; import -window root "$artefacts/failure.png" 2>/dev/null; exit 1; }
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "no Xvfb or xdotool"; exit 77; }
# -noreset: the server would otherwise reset when its last client leaves.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null & pids+=($!)
await() { for i in $(seq 200); do "$@" && return 0; sleep 0.1; done; return 1; }
await test -s "$work/display" || { echo "Xvfb did not start"; exit 77; }
export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work
mkdir -p "$artefacts" && chmod 700 "$work"
