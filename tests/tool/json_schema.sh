#!/bin/sh
# Every JSON object tessara-sim writes (table, compare against a table and a sequence,
# grade and check, each kind of result) follows tessara-sim.schema.json, and an object without "tessara" does not.
# Usage: json_schema.sh <tessara-sim> <examples folder> <schema>
set -u
sim=$1 examples=$2 schema=$3
folder=$(mktemp -d) && trap 'rm -rf "$folder"' EXIT
"$sim" table "$examples/half_adder.cir" >"$folder/expected.txt"
printf 'sequence\nI1 I2 | O1\n0 1 | 1\nC 0 | 1\n' >"$folder/latch.expected"
{
  "$sim" compare --json "$examples/sr_latch_nor.cir" "$folder/latch.expected"
  "$sim" table --json "$examples/sr_latch_nor.cir"
  "$sim" compare --json "$examples/half_adder.cir" "$folder/expected.txt"
  "$sim" compare --json "$examples/full_adder.cir" "$folder/expected.txt"
  "$sim" compare --json "$folder/absent.cir" "$folder/expected.txt"
  "$sim" grade --json "$folder/expected.txt" "$examples" "$folder/absent.cir"
  "$sim" check --json "$examples"/*.cir "$folder/absent.cir"
  echo '{"file": "a.cir", "ok": false, "line": null, "error": "no tessara"}'
} >"$folder/objects" 2>/dev/null
python3 - "$schema" "$folder/objects" <<'PYTHON'
import json, sys
from jsonschema import Draft202012Validator
validator = Draft202012Validator(json.load(open(sys.argv[1])))
lines = open(sys.argv[2], encoding="utf-8").read().splitlines()
wrong = [line for line in lines[:-1] if not validator.is_valid(json.loads(line))]
if validator.is_valid(json.loads(lines[-1])): wrong.append("accepted: " + lines[-1])
for line in wrong: print("FAIL:", line[:300])
sys.exit(1 if wrong or len(lines) != 13 else 0)
PYTHON
