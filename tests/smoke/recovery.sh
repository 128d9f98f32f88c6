#!/usr/bin/env bash
# Crash recovery of the real program on a private X server. A NOT gate placed on the empty
# canvas reaches a recovery file in the application data folder; the program is killed
# (kill -9) only once both its files are whole, so the run never depends on when the kill
# lands, and a write cut short is planted as the temporary file it would leave. "tessara
# FILE" then removes that temporary and the dead program's lock, asks "Recover Circuit"
# (Yes by default, so Return), then asks before FILE would replace the recovered circuit
# (Escape cancels); the circuit stays, edited, under the caption "Tessara*", and Save As
# writes it byte for byte as the recovery file held it. A second gate, then SIGTERM: the
# program writes the circuit, frees its lock and exits 0. The next start is asked again,
# Escape keeps the file for later, and Ctrl+Q leaves only that file behind.
# Exit 77 (skipped) without an X server. Usage: recovery.sh <tessara binary> <screenshot folder>
. "$(dirname "$0")/xserver.sh"
recovery=$XDG_DATA_HOME/Tessara/recovery
answer() {
  await xdotool search --onlyvisible --name "$1" >/dev/null || fail "no box named $1"
  xdotool windowfocus --sync "$(xdotool search --onlyvisible --name "$1" | head -n1)" key "$2"
}
leftovers() { (cd "$recovery" && ls -A | sort | tr '\n' ' '); }

"$tessara" & pids+=($!)
await xdotool search --onlyvisible --name '^Tessara$' >/dev/null || fail "no window"
take_window '^Tessara$'
client 36 212; canvas 160 107  # a NOT gate
await eval 'ls "$recovery"/recovery-*.origin >/dev/null 2>&1' || fail "no recovery file"
kill -9 "${pids[1]}"
wait "${pids[1]}" 2>/dev/null
cp "$recovery"/recovery-*.cir "$work/expected.cir"
dead=$(basename "$recovery"/recovery-*.cir .cir)
echo half >"$recovery/.$dead.cir.tmp-${pids[1]}-1"  # a write the kill cut short

"$tessara" "$work/expected.cir" & pids+=($!)
answer '^Recover Circuit$' Return
answer '^Tessara$' Escape  # "Save changes to the circuit?" before FILE opens
await xdotool search --onlyvisible --name '^Tessara\*$' >/dev/null || fail "not recovered as edited"
take_window '^Tessara\*$'
left=$(leftovers)
[[ $left != *"$dead"* ]] || fail "the dead program's files stayed: $left"
[[ $(ls "$recovery"/*.lock | wc -l) == 1 ]] || fail "locks other than its own: $left"
xdotool key ctrl+shift+s
type_into '^Save As$' "$work/saved.cir"
await cmp -s "$work/expected.cir" "$work/saved.cir" || fail "the saved circuit differs from the recovered one"
import -window root "$artefacts/recovered.png" || fail "no screenshot"

take_window 'Tessara'
client 36 212; canvas 160 207  # a second NOT gate, then the desktop logs out
await xdotool search --onlyvisible --name '\*$' >/dev/null || fail "the second gate made no edit"
kill -TERM "${pids[2]}"
wait "${pids[2]}" || fail "SIGTERM did not end the program with status 0"
left=$(leftovers)
[[ $left =~ ^recovery-[^\ ]*\.cir\ recovery-[^\ ]*\.origin\ $ ]] || fail "after SIGTERM: $left"

"$tessara" & pids+=($!)
answer '^Recover Circuit$' Escape
await xdotool search --onlyvisible --name '^Tessara$' >/dev/null || fail "no window after Escape"
take_window '^Tessara$'
xdotool key ctrl+q
await eval '! kill -0 ${pids[3]} 2>/dev/null' || fail "Ctrl+Q did not end the program"
wait "${pids[3]}" || fail "the program did not end cleanly"
[[ $(leftovers) == "$left" ]] || fail "Escape did not keep the file: $(leftovers)"
echo "the circuit came back after kill -9, SIGTERM kept the next one, Escape kept it again"
