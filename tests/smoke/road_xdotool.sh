#!/usr/bin/env bash
# The road of one action on the real program, driven like a user with xdotool on a
# private X server: an input, a NOT gate and an output placed with the palette, linked
# pin to pin, powered, the input clicked, "prop" pressed three times, the screen
# photographed, the circuit saved through File > Save As and its dialog, and the
# program closed with Ctrl+Q. The saved file must be the expected one byte for byte.
# Usage: road_xdotool.sh <tessara binary> <folder for the screenshot>
set -u
tessara=$1
artefacts=$2
. "$(dirname "$0")/xvfb.sh"

fail() {
  echo "FAIL: $*"
  import -window root "$artefacts/failure.png" 2>/dev/null && echo "screen kept in $artefacts/failure.png"
  exit 1
}

mkdir -p "$artefacts" || fail "cannot make $artefacts"
rm -f "$artefacts/shot.png" "$artefacts/failure.png"
command -v import >/dev/null || fail "ImageMagick's import is not installed"
work=$(mktemp -d)
trap 'xvfb_cleanup; rm -rf "$work"' EXIT
saved="$work/road.cir"

xvfb_start
xvfb_launch "$tessara"
pid=$LAST_PID
win=$(xvfb_wait_window "Tessara") || fail "no window named Tessara appeared"
xdotool windowfocus --sync "$win"

# The client area is 725 x 550 pixels (10875 x 8250 twips) and lies under the menu
# bar, whose height is what the window has beyond it.
eval "$(xdotool getwindowgeometry --shell "$win")"
menu_bar=$((HEIGHT - 550))
[ "$menu_bar" -gt 0 ] && [ "$menu_bar" -lt 60 ] || fail "unexpected window height $HEIGHT"
echo "window $win at $X,$Y, ${WIDTH}x$HEIGHT; menu bar $menu_bar px"

# Clicks at a point of the client area, of the canvas (at client 120, 8), or of the
# 53-pixel gate image whose corner lies at a canvas point.
click_client() {
  xdotool mousemove --window "$win" "$1" $(($2 + menu_bar)) click 1
}
click_canvas() { click_client $((120 + $1)) $((8 + $2)); }
click_image() { click_canvas $(($1 + $3)) $(($2 + $4)); }

# Palette buttons (client pixels of their centres) and the two command buttons.
not_tool() { click_client 36 212; }
input_tool() { click_client 36 268; }
output_tool() { click_client 84 268; }
link_tool() { click_client 84 68; }
power() { click_client 56 476; }
prop() { click_client 56 508; }

# Gate images' corners on the canvas: every press is on row 107 (1605 twips), so each
# corner lands at y 1205 twips, pixel 80; the NOT press at x 160 puts it at x 2000.
input_image=(0 80)
not_image=(133 80)
output_image=(547 80)
output_half=(40 26)  # the right half of an image in orientation 0
input_half=(10 20)   # its upper left quarter: input 0

input_tool; click_canvas 30 107
not_tool; click_canvas 160 107
output_tool; click_canvas 570 107
link_tool
click_image "${input_image[@]}" "${output_half[@]}"
click_image "${not_image[@]}" "${input_half[@]}"
click_image "${not_image[@]}" "${output_half[@]}"
click_image "${output_image[@]}" "${input_half[@]}"
power
click_image "${input_image[@]}" 10 10  # toggles the input to 1
prop; prop; prop

# Waits until the main window's caption reads exactly $1, up to 10 s.
wait_caption() {
  local i
  for i in $(seq 100); do
    [ "$(xdotool getwindowname "$win" 2>/dev/null)" = "$1" ] && return 0
    sleep 0.1
  done
  return 1
}

# Prints the id of a visible window of the program other than the main one (a menu, a
# dialog), waiting up to 10 s.
wait_other_window() {
  local id i
  for i in $(seq 100); do
    id=$(xdotool search --onlyvisible --classname "^$(basename "$tessara")\$" 2>/dev/null |
      grep -vx "$win" | head -n1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Nothing marks the end of the last repaint: give it a moment before the picture.
sleep 1
import -window root "$artefacts/shot.png" || fail "no screenshot"
echo "screenshot in $artefacts/shot.png"

# File > Save As: the File menu by mouse, its third entry by keyboard.
xdotool mousemove --window "$win" 19 $((menu_bar / 2)) click 1
wait_other_window >/dev/null || fail "the File menu did not open"
xdotool key Down Down Down Return
dialog=$(xvfb_wait_window "Save As") || fail "no Save As dialog appeared"
xdotool windowfocus --sync "$dialog"
xdotool type --delay 20 "$saved"
xdotool key Return
wait_caption "Tessara - $saved" ||
  fail "caption is '$(xdotool getwindowname "$win")', not 'Tessara - $saved'"
echo "saved as $saved"

# The expected file: the header, gate slots 0 to 50, link slots 0 to 50, CR LF each.
expected="$work/expected.cir"
{
  printf '"Tessara"\r\n"Orvandel"\r\n"Quillmarsh"\r\n"Version",0.3\r\n'
  printf '5,0,1205,#TRUE#,0\r\n4,2000,1205,#TRUE#,0\r\n6,8200,1205,#TRUE#,0\r\n'
  for slot in $(seq 3 50); do printf '11,0,0,#FALSE#,0\r\n'; done
  printf '1,#TRUE#,0,#FALSE#,0,0,#FALSE#,1,0\r\n1,#TRUE#,0,#FALSE#,1,0,#FALSE#,2,0\r\n'
  for slot in $(seq 2 50); do printf '1,#FALSE#,0,#FALSE#,0,0,#FALSE#,0,0\r\n'; done
} >"$expected"
[ "$(wc -l <"$expected")" = 106 ] || fail "the expected text is not 106 lines"
cmp "$expected" "$saved" || { diff "$expected" "$saved" | head; fail "the saved file differs"; }
echo "the saved file is the expected one"

xdotool windowfocus --sync "$win"
xdotool key ctrl+q
wait_exit "$pid"
[ "$EXIT_CODE" = 0 ] || fail "the program did not end cleanly after Ctrl+Q (exit: $EXIT_CODE)"
echo "closed cleanly"
