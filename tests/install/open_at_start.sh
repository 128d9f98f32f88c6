#!/usr/bin/env bash
# "tessara FILE" on a real X server: a circuit file opens under the caption
# "Tessara - " + its full path; a damaged one gives the "Error" box while the main
# window keeps the caption "Tessara". Ctrl+Q then ends the program cleanly.
set -u
tessara=$1
example=$2
. "$(dirname "$0")/../smoke/xvfb.sh"
xvfb_start

quit() {
  xdotool windowfocus --sync "$1"
  xdotool key ctrl+q
  wait_exit "$2"
  [ "$EXIT_CODE" = 0 ] || { echo "FAIL: no clean end after Ctrl+Q (exit: $EXIT_CODE)"; exit 1; }
}

folder=$(cd "$(dirname "$example")" && pwd)
cd "$folder" || exit 1
xvfb_launch "$tessara" "$(basename "$example")"
win=$(xvfb_wait_window "Tessara - $folder/$(basename "$example")") \
  || { echo "FAIL: no window captioned with the file's full path"; exit 1; }
echo "opened: $(xdotool getwindowname "$win")"
quit "$win" "$LAST_PID"

damaged="$XVFB_DIR/damaged.cir"
printf '"Tessara"\r\n"Orvandel"\r\nnot a circuit\r\n' >"$damaged"
xvfb_launch "$tessara" "$damaged"
box=$(xvfb_wait_window "Error") || { echo "FAIL: no Error box for a damaged file"; exit 1; }
main=$(xvfb_wait_window "Tessara") || { echo "FAIL: the main window is not captioned Tessara"; exit 1; }
echo "damaged file: Error box over the window"
xdotool windowfocus --sync "$box"
xdotool key Return
quit "$main" "$LAST_PID"
