#!/usr/bin/env bash
# The real program opens the half adder, powers it, toggles I1, props and steps back four
# times by Ctrl+Left; its picture then equals the one right after the toggle.
# Usage: step_back_xdotool.sh <tessara binary> <half_adder.cir> <folder for the pictures>
set -u
artefacts=$3
. "$(dirname "$0")/xvfb.sh"
fail() { echo "FAIL: $*"; exit 1; }
mkdir -p "$artefacts"
xvfb_start
xvfb_launch "$1" "$2"
win=$(xvfb_wait_window "Tessara - .*") || fail "no window opened the circuit"
xdotool windowfocus --sync "$win"
eval "$(xdotool getwindowgeometry --shell "$win")"
menu_bar=$((HEIGHT - 550))
# Clicks a client-area point: Power (56,476), "prop" (56,508) or I1's picture (130,98).
click_client() { xdotool mousemove --window "$win" "$1" $(($2 + menu_bar)) click 1; }
shot() {  # after the last repaint, the pointer resting on I1 as after the click
  xdotool mousemove --window "$win" 130 $((98 + menu_bar))
  sleep 1
  import -window "$win" "$artefacts/$1.png" || fail "no picture $1"
}

click_client 56 476
click_client 130 98
shot after_toggle
for _ in 1 2 3 4; do click_client 56 508; done
for _ in 1 2 3 4; do xdotool key ctrl+Left; done
shot stepped_back
compare -metric AE "$artefacts/after_toggle.png" "$artefacts/stepped_back.png" null: 2>"$artefacts/diff" ||
  fail "the pictures differ in $(cat "$artefacts/diff") pixels (see $artefacts)"
echo "four steps back show the window as it was after the toggle"
