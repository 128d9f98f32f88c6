#!/usr/bin/env bash
# Undo and redo on the real program: a NOT gate placed with the palette, Ctrl+Z, and
# the canvas is the empty start again pixel for pixel; Ctrl+Y, and it is the canvas
# after the placement. Usage: undo_xdotool.sh <tessara binary>
set -u
. "$(dirname "$0")/xvfb.sh"
command -v compare >/dev/null || { echo "FAIL: ImageMagick is not installed"; exit 1; }
xvfb_start
shots=$XVFB_DIR
xvfb_launch "$1"
win=$(xvfb_wait_window "Tessara") || { echo "FAIL: no window named Tessara appeared"; exit 1; }
xdotool windowfocus --sync "$win"
eval "$(xdotool getwindowgeometry --shell "$win")"
menu_bar=$((HEIGHT - 550))

# The canvas (599 x 533 pixels at client 120, 8) into $shots/$1.png.
shoot() { import -window "$win" -crop "599x533+120+$((8 + menu_bar))" +repage "$shots/$1.png"; }
same() { [ "$(compare -metric AE "$shots/$1.png" "$shots/$2.png" null: 2>&1)" = 0 ]; }
# Shoots "now" until it equals (or with "!", differs from) shot $1, for up to 5 s.
await() {
  local i
  for i in $(seq 50); do
    shoot now
    if [ "${2:-}" = "!" ]; then ! same now "$1" && return 0; else same now "$1" && return 0; fi
    sleep 0.1
  done
  return 1
}

shoot empty
xdotool mousemove --window "$win" 36 $((212 + menu_bar)) click 1            # the NOT tool
xdotool mousemove --window "$win" $((120 + 160)) $((8 + 107 + menu_bar)) click 1
await empty ! || { echo "FAIL: the NOT gate did not appear"; exit 1; }
sleep 0.2 && shoot placed
xdotool key ctrl+z
await empty || { echo "FAIL: after Ctrl+Z the canvas is not the empty start"; exit 1; }
xdotool key ctrl+y
await placed || { echo "FAIL: after Ctrl+Y the canvas is not the one after the placement"; exit 1; }
echo "undo and redo show the canvas as it was"
