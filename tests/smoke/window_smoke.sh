#!/usr/bin/env bash
# The real program on a real X server: the window appears under its title "Tessara",
# File > Exit (Ctrl+Q) closes it, and the program ends cleanly.
set -u
tessara=$1
. "$(dirname "$0")/xvfb.sh"
xvfb_start

xvfb_launch "$tessara"
pid=$LAST_PID
win=$(xvfb_wait_window "Tessara") || { echo "FAIL: no window named Tessara appeared"; exit 1; }
echo "window $win is up"

xdotool windowfocus --sync "$win"
xdotool key ctrl+q
wait_exit "$pid"
[ "$EXIT_CODE" = 0 ] || { echo "FAIL: the program did not end cleanly after Ctrl+Q (exit: $EXIT_CODE)"; exit 1; }
echo "closed cleanly"
