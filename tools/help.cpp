#include "help.h"

#include "exit_codes.h"

namespace tessara::tool {
namespace {

constexpr std::string_view kUsage = R"help(Usage:
  tessara-sim trace [--wavedrom | --sequence SEQUENCE] [--max-steps N] FILE [ACTION...]
  tessara-sim table [--timing] [--json] [--max-steps N] [--time-limit SECONDS] FILE
  tessara-sim compare [--json] [--max-steps N] [--time-limit SECONDS] FILE EXPECTED
  tessara-sim grade [--json | --junit] [--jobs N] [--max-steps N] [--time-limit SECONDS] EXPECTED PATH...
  tessara-sim check [--strict] [--json] FILE...
  tessara-sim expr FILE
  tessara-sim play [--max-steps N] FILE SEQUENCE
  tessara-sim build [--gates any|nand|nor] (--expr TEXT | --table FILE | FILE) OUT
  tessara-sim resave IN OUT
  tessara-sim explain [--json] FILE TARGET[@STEP] [ACTION...]
  tessara-sim verilog [--testbench] FILE [ACTION...]
  tessara-sim picture [--scale N] FILE OUT [ACTION...]
  tessara-sim --help
  tessara-sim --version
)help";

constexpr std::string_view kDetails = R"help(
Runs Tessara circuit files (.cir) without the window. FILE is loaded as File > Open
loads it: the whole file or nothing, and printed as given. Options may come before
or after the files, a value after its option or joined to it ("--jobs 4",
"--jobs=4"); "--" ends the options; an unknown option is a usage error wherever it
stands.

trace [--wavedrom | --sequence SEQUENCE] [--max-steps N] FILE [ACTION...]
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
  --sequence SEQUENCE: instead of actions, the whole run of a sequence (see
  Expected answers) in the same format, each toggle written "tI<n>", each row's
  settling followed for at most N steps (--max-steps); the step numbers of compare's
  differing rows count these records, "load" being step 0.

table [--timing] [--json] [--max-steps N] [--time-limit SECONDS] FILE
  Prints the truth table, each row as soon as it is settled. Inputs I1..In and
  outputs O1..Om are numbered in on-screen order, top to bottom (by y, ties by
  slot). The header reads "I1 I2 | O1 O2"; then one row per combination in binary
  counting order, I1 the most significant bit, e.g. "0 1 | 1 0". Each row starts
  from the circuit as loaded (every value 0) with that row's inputs toggled on, and
  is stepped until its state (every gate's output and stored inputs) repeats: it
  settles at step K with period P for the smallest K, then the smallest P, with
  state K+P = state K. P = 1: the outputs of state K. P > 1: an output that is the
  same in every state of the cycle shows its value, one that differs shows "~". A
  row whose state does not repeat within N steps (--max-steps, K + P > N) shows "~"
  for each output that changed and the value of the others. Without inputs the
  table has one row ("| 0"); more than 16 inputs are refused with exit status 1.
  --timing: each row gets two spaces and "(settles after K steps)",
  "(repeats every P steps from step K)" or "(no repeat within N steps)".
  --json: one JSON object at the end instead: {"tessara": 1, "file": FILE,
  "inputs": [slot, ...], "outputs": [slot, ...], "rows": [{"in": "01", "out":
  "1~", "steps": K, "period": P}, ...]}; steps and period are null for a row that
  did not repeat.

compare [--json] [--max-steps N] [--time-limit SECONDS] FILE EXPECTED
  Compares the truth table of circuit FILE with EXPECTED's (see Expected answers),
  inputs and outputs matched by position. Prints "same"; or "expected N inputs and
  M outputs, found n inputs and m outputs"; or one line per differing row in table
  order, "row 0 1 0: expected 1 0, got 1 1", then "D of R rows differ". Against a
  sequence a differing row reads "row 3 (step 14): expected 1, got 0": its number
  in the sequence (the first is 1) and the step of the run at which its outputs were
  read. A FILE that cannot be used is named on stderr with its reason.
  --json: one JSON object instead, {"tessara": 1, "file": FILE, "result": "same" |
  "differ" | "failed", "rows": R, "differ": D, "diffs": [{"in": "010", "expected":
  "10", "got": "11"}, ...], "reason": null or TEXT}: rows and differ are null
  unless rows were compared; reason is the counts line of a file that differs in
  its counts, or why a file failed. A sequence's diff opens with "row" and "step":
  {"row": 3, "step": 14, "in": "C0", "expected": "1", "got": "0"}, "in" being the
  input cells as written.
    {"tessara":1,"file":"ada.cir","result":"differ","rows":4,"differ":1,
     "diffs":[{"in":"11","expected":"01","got":"00"}],"reason":null}

grade [--json | --junit] [--jobs N] [--max-steps N] [--time-limit SECONDS] EXPECTED PATH...
  Compares every circuit file with EXPECTED as compare does, in one run. PATH is a
  circuit file, or a folder standing for every entry directly inside it whose name
  ends in .cir in any letter case (.CIR too), in byte order of the names; such an
  entry that is a folder or no regular file has failed with its reason, and a
  folder with none has failed with "no circuit files". Files are graded on N
  threads at once (--jobs, default: the machine's cores); the output keeps the
  order of the arguments. One line per file, then the counts:
    a/ann.cir: same
    a/bob.cir: 3 of 8 rows differ
    a/cid.cir: expected 2 inputs and 1 outputs, found 3 inputs and 1 outputs
    a/dee.cir: line 7: expected #TRUE# or #FALSE#, found "2"
    a/eve.cir: time limit of 10 s reached
    5 files: 1 same, 2 differ, 2 failed
  The counts come first: a file whose input or output count is not EXPECTED's
  differs with the counts line, whatever its size. A file that cannot be read, is
  damaged or runs past the time limit has failed, with its reason as compare gives
  it. A file name is written on one line: a backslash doubled, a line break as
  "\n", any other control character as "\t", "\r" or "\xHH". Exit status 0 when
  every file is the same, 3 when any differs and none failed, 1 when any failed or
  EXPECTED cannot be used.
  --json: one JSON object, {"tessara": 1, "expected": EXPECTED, "files": [...],
  "summary": {"files": 5, "same": 1, "differ": 2, "failed": 2}}, each file's object
  as compare --json writes it but without "tessara".
  --junit: JUnit XML, one <testsuite name="tessara grade" tests="5" failures="2"
  errors="2"> with one <testcase name="PATH" classname="tessara grade"> per file,
  holding <failure message="3 of 8 rows differ"> (or the counts line) with the
  differing rows as its text when the file differs, <error message="REASON"> when
  it failed:
    <testcase name="a/bob.cir" classname="tessara grade">
      <failure message="1 of 4 rows differ">row 1 1: expected 0 1, got 0 0
    </failure>
    </testcase>

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
  --json: one JSON object per file per line, {"tessara": 1, "file", "ok": true,
  "gates": {"and": 2, ...}, "inputs", "outputs", "nodes", "links", "warnings":
  [{"line", "text"}]}, or {"tessara": 1, "file", "ok": false, "line", "error"} for
  a file that fails.

expr FILE
  Prints two lines per output, O1 first, e.g. "O1 = I1 XOR I2" and
  "O1 minimal = ¬I1·I2 + I1·¬I2" (UTF-8).
  The first is what the gates compute: the output's driver as a formula of the
  inputs, operators in capitals (AND, OR, NAND, NOR, XOR, and NOT as a prefix), an
  operand that is itself a two-input operation in parentheses. Nodes are
  transparent; where links end at one input place, the one a prop step carries
  last counts. An unlinked input reads "0", another output met on the way its name
  ("O2"), and a gate reached again through a loop its name ("NOR 3"), the line then
  ending "  (feedback through NOR 3)". A circuit input that a link ends at reads
  what the link carries into it each step: its driver's formula (its name where
  that closes a loop). A formula over 4000 characters reads
  "formula too long to write (over 4000 characters)".
  The second is the output's column of the truth table as a sum of products with
  the fewest terms, then the fewest literals ("·" AND, "+" OR, "¬" NOT; "0" or "1"
  when constant), terms by the first row they cover, literals by input; or
  "not a function: O1 oscillates in rows 1 1 0, 1 1 1" for the rows showing "~";
  or "minimal form not computed above 8 inputs". A search that stops at its work
  limit (5-7 s of CPU) ends the line "  (smallest found, not proved minimal)".

play [--max-steps N] FILE SEQUENCE
  Plays the sequence SEQUENCE ("-": standard input) on circuit FILE and prints it
  back with the outputs the circuit gives in place of the expected cells, X cells
  filled in; inputs, notes, comments and spacing are kept. A SEQUENCE whose counts
  are not the circuit's gives compare's counts line on stderr and exit status 1.
  A teacher writes the inputs of an exercise, plays the model answer, and hands out
  the result as NAME.expected.
build [--gates any|nand|nor] (--expr TEXT | --table FILE | FILE) OUT
  Builds a laid-out circuit and writes it to OUT as Save As does: from the
  expression lines of --expr TEXT or FILE, one output a line ("O1 = (I1 AND I2) OR
  NOT I3", "O2 = ¬I1·I2 + I1·¬I2"; ASCII ! ~ ' * & | ^ + too; NOT over AND over
  XOR over OR; NAND and NOR never chain; 0 and 1 are constants), or from a table
  text as compare reads EXPECTED (--table FILE), each output as its minimal sum of
  products, X cells as don't cares. --gates nand or nor rewrites every operator
  into NAND (NOR) gates. Inputs I1..In (n the highest named) stand on the left in
  order, outputs on the right, gates in columns by depth, links bent at nodes
  between the columns. The circuit's table is checked against the expressions'
  before it is written. Exit status 1 with the reason ("column 14: expected an
  input name or (, found )", "this circuit needs 63 places; a circuit holds 51")
  for a text that cannot be read or a circuit that does not fit.

resave IN OUT
  Loads IN and writes OUT as File > Save As does. Deleted gates come back as empty
  slots; everything else is written back unchanged.

explain [--json] FILE TARGET[@STEP] [ACTION...]
  Powers the circuit up and applies the actions as trace does, each toggle (also of
  a slot that is no input) and each step being one step of the run, step 0 the
  power-up; then says why TARGET holds its value at STEP (default: the last step).
  TARGET names a gate as the timeline does: I1.. and O1.. numbered as in the table,
  any other gate by kind and slot, "AND 3" (also AND3, in any letter case); nodes
  have no name. Line 1 reads "O2 = 1 at step 4", then one line per event, the step
  at which a gate's value began, latest first and, at one step, inputs first, then
  the other gates by slot, then the outputs:
    step 4: O2 became 1: input 0 = 1 from AND 3 at step 3
    step 2: I1 became 1: toggled
    step 0: O1 = 0 at power-up
  A prop event names the inputs that decide the value, in input order: for and and
  nand those that are 0 when any is, else both; for or and nor those that are 1
  when any is, else both; for xor both; for not, output and an input driven by a
  link, input 0. The driver of an input is the gate whose value the step's links
  carried there, through any bends (with several links, the last in link slot
  order); its value at the step before is explained in turn. "input 1 = 0, not
  linked" and "input 0 = 0 from a bend with no gate before it" end there. Each
  event is written once; after 50, "... N more" counts the rest. A run keeps its
  last 1000000 steps: a value held since before them reads "step K: O1 = 0 at the
  first kept step". A TARGET the circuit does not have (the message lists its
  gates) or a STEP outside the run is a usage error.
  --json: one JSON object instead, {"tessara": 1, "target", "value", "step",
  "events": [{"step", "gate", "value", "cause", "inputs": [{"place", "value",
  "from", "at"}]}], "more": N}, with the same events; cause is "power-up",
  "toggle", "prop" or "first-kept"; from and at are null for an input not linked,
  and from is "bend" for a bend with no gate before it.

verilog [--testbench] FILE [ACTION...]
  Prints FILE as a Verilog-2001 module named after the file (a legal identifier):
  ports step, power_up, I1.. and O1..; each rising edge of step is one prop step,
  every gate adds one step of delay, power_up clears every value. Each gate's
  output is a register, and so is each stored input a step can read before it is
  written; nodes are wires. A comment names each gate as the timeline does.
  --testbench: then a module NAME_tb that applies the actions as trace does (a
  toggle between edges, one edge per step) and $displays exactly what trace prints.

picture [--scale N] FILE OUT [ACTION...]
  Writes the circuit's picture as the window draws it, cropped to the circuit with
  a margin: PNG (at scale N, 1 or 2), SVG or PDF by OUT's suffix. With actions the
  circuit is powered, the actions applied as trace applies them and the values
  shown. Needs no display. An unknown suffix or an unwritable OUT: exit 1.

Expected answers (compare, grade):
  EXPECTED is a table text when its first line that is neither empty nor starts
  with '#' holds a "|"; anything else is read as a circuit file, its table made
  within the limits below, and refused with the circuit reader's reason. "-" reads
  EXPECTED from standard input. A table text is read as table prints it, up to
  16 MiB: a byte-order mark and CRLF or CR line ends as in circuit files; empty and
  '#' lines skipped; the header's names only counted (a header is needed: a first
  line of cells is refused); rows in any order, each combination once; a trailing
  "(...)" note ignored. An output cell X matches 0, 1 and ~. A row left out is an
  error unless the text holds the line "# rows left out are don't care"; then it
  matches anything:
    # rows left out are don't care
    A B | S C
    1 1 | 0 1
    0 1 | 1 X
  EXPECTED is a sequence when that first line is the word "sequence"; then comes
  the header as in a table, then one row per line, played in order on one run:
    sequence
    # the SR latch of NORs: I1 = S, I2 = R, O1 = Q
    I1 I2 | O1
    0 1 | 0
    1 0 | 1
    0 0 | 1      the latch keeps its 1
    C 0 | 1      a pulse on S: up, settle, down, settle
    1 1 | X
  The run starts from the circuit as loaded (every value 0). Each row toggles the
  inputs that differ from its cells, in input order, then settles as a table row
  does (within --max-steps) and compares the outputs; the next row starts from the
  state it settled into. A row that does not repeat within the bound reads as a
  table row does, at the step of the bound, and the run goes on from there. An
  input cell C is a pulse: set to 1 with the row's other cells, settle, set to 0,
  settle again; the outputs are read after the second settling. Output cells are
  0, 1, ~ and X. Text after the output cells set off by two spaces or more, or in
  parentheses, is a note; a note never begins with a cell character. Input and
  output counts are compared first, so a sequence also grades circuits of more than
  16 inputs.

Limits on work (table, compare, grade; play and trace --sequence take --max-steps):
  --max-steps N         follows each row for at most N steps, 1 to 1000000
                        (default 1000000)
  --time-limit SECONDS  table and compare: for the whole run; past it they print
                        "FILE: time limit of SECONDS s reached" on stderr and exit
                        with status 1 (table keeps the rows it printed). grade:
                        for each file, and for EXPECTED when it is a circuit;
                        past it the file has failed with "time limit of SECONDS s
                        reached". SECONDS is a number above 0, at most 1000000.

JSON: every object carries "tessara": 1, the version of its format, and is valid
  UTF-8: each byte of a file name that is not UTF-8 is written as U+FFFD. The JSON
  Schema of every object is installed as
  /usr/share/tessara/tessara-sim.schema.json.

Exit status:
  0  success; compare, grade: the tables (or sequence rows) are the same
  1  a file cannot be read, is damaged or cannot be written, a table text or
     sequence is malformed, a table would need more than 16 inputs, the time
     limit was reached, or (play) a sequence's counts are not the circuit's; one
     line on stderr names the file ("FILE: line N: reason" where a line applies);
     grade: also when any file failed
  2  usage error: unknown command or option, missing or extra arguments, a bad
     value or action, --json with --junit, or a TARGET or STEP the circuit or run
     does not have; checked before anything is printed
  3  compare, grade: the tables (or sequence rows) differ; check --strict: a
     file has a warning
)help";

}  // namespace

std::string_view UsageText() { return kUsage; }

std::string HelpText() { return std::string(kUsage) + std::string(kDetails); }

std::string VersionText() { return "tessara-sim " TESSARA_VERSION "\n"; }

int UsageError(const std::string& reason, std::ostream& err) {
  err << "tessara-sim: " << reason << '\n' << UsageText();
  return kExitUsage;
}

}  // namespace tessara::tool
