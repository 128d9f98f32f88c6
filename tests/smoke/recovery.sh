#!/usr/bin/env bash
# Crash recovery of the real program on a private X server: a NOT gate placed on the empty
# canvas reaches a recovery file in the application data folder; after kill -9, "tessara
# FILE" first asks "Recover Circuit" (Yes by default, so Return), then asks before FILE
# would replace the recovered circuit (Escape cancels); the circuit stays, edited, under
# the caption "Tessara*", and Save As writes it byte for byte as the recovery file held
# it; Ctrl+Q then ends cleanly and leaves no recovery file or lock behind.
# Exit 77 (skipped) without an X server. Usage: recovery.sh <tessara binary> <screenshot folder>
. "$(dirname "$0")/xserver.sh"
recovery=$XDG_DATA_HOME/Tessara/recovery
"$tessara" & pids+=($!)
await xdotool search --onlyvisible --name '^Tessara$' >/dev/null || fail "no window"
take_window '^Tessara$'
client 36 212; canvas 160 107  # a NOT gate
await eval 'cp "$recovery"/recovery-*.cir "$work/expected.cir" 2>/dev/null' || fail "no recovery file"
kill -9 "${pids[1]}"
wait "${pids[1]}" 2>/dev/null
"$tessara" "$work/expected.cir" & pids+=($!)
answer() {
  await xdotool search --onlyvisible --name "$1" >/dev/null || fail "no box named $1"
  xdotool windowfocus --sync "$(xdotool search --onlyvisible --name "$1" | head -n1)" key "$2"
}
answer '^Recover Circuit$' Return
answer '^Tessara$' Escape  # "Save changes to the circuit?" before FILE opens
await xdotool search --onlyvisible --name '^Tessara\*$' >/dev/null || fail "not recovered as edited"
take_window '^Tessara\*$'
xdotool key ctrl+shift+s
type_into '^Save As$' "$work/saved.cir"
await cmp -s "$work/expected.cir" "$work/saved.cir" || fail "the saved circuit differs from the recovered one"
import -window root "$artefacts/recovered.png" || fail "no screenshot"
xdotool windowfocus --sync "$win" key ctrl+q
await eval '! kill -0 ${pids[2]} 2>/dev/null' || fail "Ctrl+Q did not end the program"
wait "${pids[2]}" || fail "the program did not end cleanly"
left=$(ls -A "$recovery")
[ -z "$left" ] || fail "left in the recovery folder: $left"
echo "the circuit came back after kill -9 and was saved byte for byte"
