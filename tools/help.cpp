#include "help.h"

namespace tessara::tool {
namespace {

constexpr std::string_view kUsage = R"help(Usage:
  tessara-sim trace [--wavedrom] FILE [ACTION...]
  tessara-sim table [--timing] [--json] FILE
  tessara-sim compare FILE EXPECTED
  tessara-sim check [--strict] [--json] FILE...
  tessara-sim expr FILE
  tessara-sim resave IN OUT
  tessara-sim --help
)help";

constexpr std::string_view kDetails = R"help(
Runs Tessara circuit files (.cir) without the window. FILE is loaded as File > Open
loads it: the whole file or nothing, and printed as given. Options come before the
files.

trace [--wavedrom] FILE [ACTION...]
  Powers the circuit up and applies the actions in order:
    t<slot>  the input toggle on gate slot 0..50: a circuit input flips at once,
             any other slot changes nothing
    tI<n>    toggles the n-th circuit input, I1 first (numbered as in the table);
             an n the circuit does not have is a usage error
    p        one propagation step
    p<N>     N steps, N from 1 to 1000000, each printed as its own "p" line
  Line 1 lists the used gate slots in increasing order as <slot>:<kind> joined by
  single spaces; kind is one of and or not input output node nand nor xor.
  Line 2 is "load " followed by the values, then one line per toggle, the action
  as written ("t3 <values>", "tI2 <values>"), and per step ("p <values>"). The
  values are one character per slot of line 1, in its order: 1 when the gate's
  current output is True, else 0. An empty circuit prints an empty line 1 and
  nothing after each space.
  --wavedrom: one WaveDrom JSON object instead, {"signal": [{"name", "wave"}, ...]}:
  the circuit inputs ("I1"...), the used gates other than inputs, outputs and nodes
  ("<kind><slot>", in slot order), then the circuit outputs ("O1"...). A wave has
  one character per record of the text trace (load, then one per action line):
  0 or 1, or "." when equal to the one before.

table [--timing] [--json] FILE
  Prints the truth table. Inputs I1..In and outputs O1..Om are numbered in
  on-screen order, top to bottom (by y, ties by slot). The header reads
  "I1 I2 | O1 O2"; then one row per combination in binary counting order, I1 the
  most significant bit, e.g. "0 1 | 1 0". Each row starts from the circuit as
  loaded (every value 0) with that row's inputs toggled on, and is stepped until
  its state (every gate's output and stored inputs) repeats: it settles at step K
  with period P for the smallest K, then the smallest P, with state K+P = state K.
  P = 1: the outputs of state K. P > 1: an output that is the same in every state
  of the cycle shows its value, one that differs shows "~". A row whose state does
  not repeat within 1000000 steps (K + P > 1000000) shows "~" for each output that
  changed and the value of the others. Without inputs the table has one row
  ("| 0"); more than 16 inputs are refused with exit status 1.
  --timing: each row gets two spaces and "(settles after K steps)",
  "(repeats every P steps from step K)" or "(no repeat within 1000000 steps)".
  --json: one JSON object instead: {"file": FILE, "inputs": [slot, ...],
  "outputs": [slot, ...], "rows": [{"in": "01", "out": "1~", "steps": K,
  "period": P}, ...]}; steps and period are null for a row that did not repeat.

compare FILE EXPECTED
  Compares the truth table of circuit FILE with EXPECTED's, inputs and outputs
  matched by position. EXPECTED is a circuit file, or a text holding a table as
  `table` prints it when its first line that is neither empty nor starts with '#'
  holds a "|": empty and '#' lines are skipped, the header's names only counted,
  rows may come in any order (each combination once) and a trailing "(...)" note
  is ignored. Prints "same"; or "expected N inputs and M outputs, found n inputs
  and m outputs"; or one line per differing row in table order,
  "row 0 1 0: expected 1 0, got 1 1", then "D of R rows differ".

check [--strict] [--json] FILE...
  Checks each FILE, also after one that fails. For a file that loads, prints
  "FILE: G gates (2 and, 1 nand), I inputs, O outputs, N nodes, L links": the
  used logic gates with the count of each kind present (in the order and nand or
  nor not xor; "0 gates" when none), circuit inputs, outputs and nodes, and the
  used link segments; a count of 1 is written in the singular ("1 node"). Then
  one line per warning, "FILE:LINE: warning: TEXT", LINE being the record's line
  (gate slot s on line 5+s, link slot l on line 56+l), by line, then in this order:
    <kind> <s> input <n> is not linked
    <kind> <s> input <n> is linked more than once
    <kind> <s> drives nothing
    <kind> <s> has orientation <o>, outside 0..3
    link <l> starts at empty slot <s>  /  link <l> ends at empty slot <s>
    link <l> is marked as ending at a node, but slot <s> holds <kind>
    link <l> is marked as starting at a node, but slot <s> holds <kind>
  Only used gates and used links count. A link lands where the gate stores it: on
  input 0 of not, output and node whatever its input number, on input 0 or 1 of
  the two-input kinds and on neither for number 2.
  --strict: exit status 3 when any file has a warning.
  --json: one JSON object per file per line, {"file", "ok": true, "gates":
  {"and": 2, ...}, "inputs", "outputs", "nodes", "links", "warnings": [{"line",
  "text"}]}, or {"file", "ok": false, "line", "error"} for a file that fails.

expr FILE
  Prints two lines per output, O1 first, e.g. "O1 = I1 XOR I2" and
  "O1 minimal = ¬I1·I2 + I1·¬I2" (UTF-8).
  The first is what the gates compute: the output's driver as a formula of the
  inputs, operators in capitals (AND, OR, NAND, NOR, XOR, and NOT as a prefix), an
  operand that is itself a two-input operation in parentheses. Nodes are
  transparent; where links end at one input place, the one a prop step carries
  last counts. An unlinked input reads "0", another output met on the way its name
  ("O2"), and a gate reached again through a loop its name ("NOR 3"), the line then
  ending "  (feedback through NOR 3)". A formula over 4000 characters reads
  "formula too long to write (over 4000 characters)".
  The second is the output's column of the truth table as a sum of products with
  the fewest terms, then the fewest literals ("·" AND, "+" OR, "¬" NOT; "0" or "1"
  when constant), terms by the first row they cover, literals by input; or
  "not a function: O1 oscillates in rows 1 1 0, 1 1 1" for the rows showing "~";
  or "minimal form not computed above 8 inputs". A search that stops at its work
  limit (5-7 s of CPU) ends the line "  (smallest found, not proved minimal)".

resave IN OUT
  Loads IN and writes OUT as File > Save As does. Deleted gates come back as empty
  slots; everything else is written back unchanged.

Exit status:
  0  success; compare: the tables are the same
  1  a file cannot be read, is damaged or cannot be written, a table text is
     malformed, or a table would need more than 16 inputs; one line on stderr
     names the file ("FILE: line N: reason" where a line applies)
  2  usage error: unknown command or option, missing or extra arguments, or a bad
     action; checked before anything is printed
  3  compare: the tables differ; check --strict: a file has a warning
)help";

}  // namespace

std::string_view UsageText() { return kUsage; }

std::string HelpText() { return std::string(kUsage) + std::string(kDetails); }

}  // namespace tessara::tool
