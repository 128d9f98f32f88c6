#!/bin/sh
# tessara-sim refuses a named pipe with no writer at once: exit 1 and one line on
# stderr (124 from timeout: it waited on the pipe).
set -u
folder=$(mktemp -d) && trap 'rm -rf "$folder"' EXIT
mkfifo "$folder/pipe.cir"
timeout 10 "$1" check "$folder/pipe.cir" 2>"$folder/stderr"
code=$?
[ "$code" = 1 ] && grep -qx "$folder/pipe.cir: cannot open: not a regular file" "$folder/stderr" ||
  { echo "FAIL: exit status $code, stderr: $(cat "$folder/stderr")"; exit 1; }
