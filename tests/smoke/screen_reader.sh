#!/usr/bin/env bash
# The real program read by a screen reader's means: a private X server, a private session
# bus with its accessibility bus (dbus-run-session, at-spi2-core), and screen_reader.py
# reading the tree with python3-pyatspi. Exit 77 (skipped) without an X server or the bus.
# Usage: screen_reader.sh <tessara binary> <screenshot folder> <circuit file>
. "$(dirname "$0")/xserver.sh"
python=/usr/bin/python3  # Debian's, which holds pyatspi
command -v dbus-run-session >/dev/null && "$python" -c 'import pyatspi' 2>/dev/null ||
  { echo "no dbus-run-session or pyatspi"; exit 77; }
cp "$3" "$work/circuit.cir"
dbus-run-session -- "$python" "$(dirname "$0")/screen_reader.py" "$tessara" "$work/circuit.cir" 2>"$work/bus.log" ||
  { cat "$work/bus.log"; fail "the screen reader's road"; }
