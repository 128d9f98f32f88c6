#!/usr/bin/env bash
# The half adder built twice on the real program under a private X server, and saved:
# once with the mouse (xdotool clicks on the palette, the canvas and the gates' halves),
# once with keys alone, the pointer never over the window (tests/support/half_adder.keys,
# then Tab to Power, Space, back to the canvas). Each road powers the circuit, toggles
# both inputs, props twice and saves through Save As. The two files must be the same
# byte for byte and hold the half adder's table. Exit 77 (skipped) without an X server.
# Usage: keys_road.sh <tessara binary> <screenshot folder> <tessara-sim binary> <keys file>
. "$(dirname "$0")/xserver.sh"
sim=$3 keys=$4
# Starts the program on an empty circuit and waits for its window: sets win and bar.
open_window() {
  "$tessara" & pids+=($!)
  await xdotool search --onlyvisible --name '^Tessara$' >/dev/null || fail "no window"
  take_window '^Tessara$'
}
# Ctrl+S (no file yet: Save As) as $1, a screenshot, then Ctrl+Q ends the program.
save_as() {
  xdotool key ctrl+s
  type_into '^Save As$' "$1"
  await test -s "$1" || fail "$1 was not saved"
  import -window root "$artefacts/$(basename "$1" .cir).png"
  xdotool windowfocus --sync "$win" key ctrl+q
  await eval '! kill -0 ${pids[-1]} 2>/dev/null' || fail "Ctrl+Q did not end the program"
}
# The keys file's words as xdotool's key names, one per press.
xkeys() {
  for word in $(grep -v '^#' "$keys"); do
    local n=1
    [[ $word == *\** ]] && n=${word#*\*} word=${word%\**}
    word=${word/#CS-/ctrl+shift+} && word=${word/#S-/shift+}
    word=${word/Enter/Return} && word=${word/Space/space}
    [[ $word == [RMLBP] ]] && word=${word,,}
    for i in $(seq "$n"); do echo "$word"; done
  done
}

open_window
client 36 268; canvas 300 110; canvas 300 210    # I1 and I2 at canvas y 83 and 183
client 84 212; canvas 200 110                     # XOR 2 at (173, 83)
client 36 116; canvas 200 210                     # AND 3 at (173, 183)
client 84 268; canvas 500 210; canvas 500 110     # O2 and O1 at x 547
client 84 68                                      # link: right halves out, upper left input 0
canvas 45 110; canvas 186 96; canvas 45 110; canvas 186 196
canvas 45 210; canvas 100 210; canvas 186 123     # through a bend at (100, 210)
canvas 45 210; canvas 186 223; canvas 218 110; canvas 560 96; canvas 218 210; canvas 560 196
client 56 476; canvas 20 110; canvas 20 210       # Power, toggles
client 56 508; client 56 508                      # prop twice
save_as "$work/mouse.cir"

xdotool mousemove 1279 1023  # the pointer away from the window, which opens at the top left
open_window
xdotool key --delay 15 Tab $(xkeys) Tab Tab space shift+Tab shift+Tab Left Left Left space Up space p p
save_as "$work/keys.cir"
cmp "$work/mouse.cir" "$work/keys.cir" || fail "the keys saved another circuit than the mouse"
[ "$("$sim" table "$work/keys.cir" | tr '\n' ';')" = "I1 I2 | O1 O2;0 0 | 0 0;0 1 | 1 0;1 0 | 1 0;1 1 | 0 1;" ] ||
  fail "the circuit is no half adder"
echo "the keys built, ran and saved the mouse's half adder byte for byte"
