#!/usr/bin/env bash
# The real program: a NOT gate placed, Ctrl+Z gives back the empty canvas pixel for
# pixel and Ctrl+Y the canvas after the placement. Usage: undo_xdotool.sh <tessara>
set -u
. "$(dirname "$0")/xvfb.sh"
xvfb_start
xvfb_launch "$1"
win=$(xvfb_wait_window "Tessara") || { echo "FAIL: no window named Tessara appeared"; exit 1; }
xdotool windowfocus --sync "$win"
eval "$(xdotool getwindowgeometry --shell "$win")"
top=$((HEIGHT - 550))  # the menu bar's height

# The canvas (599 x 533 pixels at client 120, 8) into $XVFB_DIR/$1.png.
shoot() { import -window "$win" -crop "599x533+120+$((8 + top))" +repage "$XVFB_DIR/$1.png"; }
# Waits up to 5 s for the canvas to equal shot $1 (to differ from it with "no").
await() {
  for _ in $(seq 50); do
    shoot now
    pixels=$(compare -metric AE "$XVFB_DIR/now.png" "$XVFB_DIR/$1.png" null: 2>&1)
    [ "$([ "$pixels" = 0 ] && echo yes || echo no)" = "${2:-yes}" ] && return 0
    sleep 0.1
  done
  return 1
}

shoot empty
xdotool mousemove --window "$win" 36 $((212 + top)) click 1  # the NOT tool
xdotool mousemove --window "$win" 280 $((115 + top)) click 1
await empty no || { echo "FAIL: the NOT gate did not appear"; exit 1; }
sleep 0.2 && shoot placed
xdotool key ctrl+z
await empty || { echo "FAIL: after Ctrl+Z the canvas is not the empty start"; exit 1; }
xdotool key ctrl+y
await placed || { echo "FAIL: after Ctrl+Y the canvas is not the one after the placement"; exit 1; }
echo "undo and redo show the canvas as it was"
