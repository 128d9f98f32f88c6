#!/usr/bin/env bash
# The real program on a private X server, driven with xdotool like a user: "tessara
# road.cir" opens by its relative path under its full path's caption; the palette places
# a NOT gate (Ctrl+Z gives back the empty canvas, Ctrl+Y the placed one, pixel for pixel),
# an input and an output, links, Power, prop, a toggle; four props and four Ctrl+Left show
# the window as after the toggle; Save As onto road.cir asks before replacing it, then
# writes the expected file byte for byte; Ctrl+Q ends cleanly.
# Exit 77 (skipped) without an X server. Usage: road.sh <tessara binary> <screenshot folder>
. "$(dirname "$0")/xserver.sh"
printf '"Tessara"\r\n"Orvandel"\r\n"Quillmarsh"\r\n"Version",0.3\r\n' >"$work/expected.cir"
for slot in $(seq 51); do printf '11,0,0,#FALSE#,0\r\n'; done >>"$work/expected.cir"
for slot in $(seq 51); do printf '1,#FALSE#,0,#FALSE#,0,0,#FALSE#,0,0\r\n'; done >>"$work/expected.cir"
cp "$work/expected.cir" "$work/road.cir"
(cd "$work" && exec "$tessara" road.cir) & pids+=($!)
await xdotool search --onlyvisible --name "^Tessara - $work/road.cir\$" >/dev/null || fail "no window captioned with the full path"
take_window "^Tessara - "
# The window, or with "canvas" the canvas alone, as $work/$1.png; same_as: it equals picture $1.
shoot() {
  xdotool mousemove --window "$win" 130 $((98 + bar))
  import -window "$win" ${2:+-crop 599x533+120+$((8 + bar)) +repage} "$work/$1.png"
}
same_as() { shoot now "${2:-}"; [ "$(compare -metric AE "$work/now.png" "$work/$1.png" null: 2>&1)" = 0 ]; }
# Every press on canvas row 107 (1605 twips) puts the gate's corner at y 1205, pixel 80.
sleep 0.5 && shoot empty canvas
client 36 212; canvas 160 107   # NOT: image at (133, 80), x 2000
await eval '! same_as empty canvas' || fail "the NOT gate did not appear"
sleep 0.5 && shoot with_not canvas
xdotool key ctrl+z
await same_as empty canvas || fail "Ctrl+Z did not give back the empty canvas"
xdotool key ctrl+y
await same_as with_not canvas || fail "Ctrl+Y did not bring back the NOT gate"
client 36 268; canvas 30 107    # input: image at canvas (0, 80)
client 84 268; canvas 570 107   # output: image at (547, 80)
client 84 68                    # link: an image's right half is its output, upper left input 0
canvas 40 106; canvas 143 100; canvas 173 106; canvas 557 100
client 56 476; client 56 508     # Power and prop: the NOT gate's 1 reaches its output next
canvas 10 90                     # the input toggled
sleep 1 && shoot toggled  # nothing marks the end of the last repaint
for i in 1 2 3 4; do client 56 508; done
await eval '! same_as toggled' || fail "four props changed nothing"
xdotool key ctrl+Left ctrl+Left ctrl+Left ctrl+Left
await same_as toggled || fail "four steps back do not show the window as it was after the toggle"
import -window root "$artefacts/shot.png" || fail "no screenshot"
menu_open() { [ "$(xdotool search --onlyvisible --classname '^tessara$' | wc -l)" -gt 1 ]; }
client 19 $((-bar / 2)); await menu_open || fail "the File menu did not open"
xdotool key Down Down Down Down Down Return  # its fifth entry, Save As...
type_into '^Save As$' "$work/road.cir"
await xdotool search --onlyvisible --name '^Replace File$' >/dev/null || fail "no question before replacing road.cir"
cmp -s "$work/expected.cir" "$work/road.cir" || fail "road.cir was replaced before the answer"
xdotool windowfocus --sync "$(xdotool search --onlyvisible --name '^Replace File$' | head -n1)"
xdotool key y
sed -i '5s/.*/4,2000,1205,#TRUE#,0\r/; 6s/.*/5,0,1205,#TRUE#,0\r/; 7s/.*/6,8200,1205,#TRUE#,0\r/' "$work/expected.cir"
sed -i '56s/.*/1,#TRUE#,0,#FALSE#,1,0,#FALSE#,0,0\r/; 57s/.*/1,#TRUE#,0,#FALSE#,0,0,#FALSE#,2,0\r/' "$work/expected.cir"
await cmp -s "$work/expected.cir" "$work/road.cir" || { diff "$work/expected.cir" "$work/road.cir" | head; fail "the saved file differs"; }
xdotool windowfocus --sync "$win" key ctrl+q
await eval '! kill -0 ${pids[1]} 2>/dev/null' || fail "Ctrl+Q did not end the program"
wait "${pids[1]}" || fail "the program did not end cleanly"
echo "the road was travelled and the file saved byte for byte"
