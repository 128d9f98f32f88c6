#!/bin/sh
# tessara-sim refuses a named pipe with no writer at once, as FILE and as compare's
# EXPECTED: exit 1 and one line on stderr (124 from timeout: it waited on the pipe).
# Usage: pipe_refused.sh <tessara-sim> <a circuit file>
set -u
folder=$(mktemp -d) && trap 'rm -rf "$folder"' EXIT
mkfifo "$folder/pipe.cir"
for command in "check $folder/pipe.cir" "compare $2 $folder/pipe.cir"; do
  timeout 10 "$1" $command 2>"$folder/stderr"
  code=$?
  [ "$code" = 1 ] && grep -qx "$folder/pipe.cir: cannot open: not a regular file" "$folder/stderr" ||
    { echo "FAIL: $command: exit status $code, stderr: $(cat "$folder/stderr")"; exit 1; }
done
