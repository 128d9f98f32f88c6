#!/usr/bin/env bash
# Going back in time on the real program under Xvfb: the half adder opened, powered,
# I1 clicked, "prop" pressed four times and Ctrl+Left pressed four times; the window's
# picture then equals the one taken right after the click.
# Usage: step_back_xdotool.sh <tessara binary> <half_adder.cir> <folder for the pictures>
set -u
tessara=$1
circuit=$2
artefacts=$3
. "$(dirname "$0")/xvfb.sh"

fail() { echo "FAIL: $*"; exit 1; }
mkdir -p "$artefacts" || fail "cannot make $artefacts"
xvfb_start
xvfb_launch "$tessara" "$circuit"
win=$(xvfb_wait_window "Tessara - .*") || fail "no window opened the circuit"
xdotool windowfocus --sync "$win"
eval "$(xdotool getwindowgeometry --shell "$win")"
menu_bar=$((HEIGHT - 550))

# Client-area points: the Power and "prop" buttons, and I1's picture (canvas 0,80).
click_client() { xdotool mousemove --window "$win" "$1" $(($2 + menu_bar)) click 1; }
# The picture after the last repaint, with the pointer resting on I1 as right after
# the click.
shot() {
  xdotool mousemove --window "$win" 130 $((98 + menu_bar))
  sleep 1
  import -window "$win" "$artefacts/$1.png" || fail "no picture $1"
}

click_client 56 476  # Power
click_client 130 98  # I1
shot after_toggle
for _ in 1 2 3 4; do click_client 56 508; done  # prop
for _ in 1 2 3 4; do xdotool key ctrl+Left; done
shot stepped_back
compare -metric AE "$artefacts/after_toggle.png" "$artefacts/stepped_back.png" null: 2>"$artefacts/diff" ||
  fail "the pictures differ in $(cat "$artefacts/diff") pixels (see $artefacts)"
echo "four steps back show the window as it was after the toggle"
