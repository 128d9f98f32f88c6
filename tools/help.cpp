#include "help.h"

namespace tessara::tool {
namespace {

constexpr std::string_view kUsage = R"(Usage:
  tessara-sim trace FILE [ACTION...]
  tessara-sim table FILE
  tessara-sim resave IN OUT
  tessara-sim check FILE
  tessara-sim --help
)";

constexpr std::string_view kDetails = R"(
Runs Tessara circuit files (.cir) without the window. FILE is loaded as File > Open
loads it: the whole file or nothing.

trace FILE [ACTION...]
  Powers the circuit up and applies the actions in order:
    t<slot>  the input toggle on gate slot 0..50: a circuit input flips at once,
             any other slot changes nothing
    p        one propagation step
    p<N>     N steps, N from 1 to 1000000, each printed as its own "p" line
  Line 1 lists the used gate slots in increasing order as <slot>:<kind> joined by
  single spaces; kind is one of and or not input output node nand nor xor.
  Line 2 is "load " followed by the values, then one line per toggle
  ("t<slot> <values>") and per step ("p <values>"). The values are one character
  per slot of line 1, in its order: 1 when the gate's current output is True,
  else 0. An empty circuit prints an empty line 1 and nothing after each space.

table FILE
  Prints the truth table. Inputs I1..In and outputs O1..Om are numbered in
  on-screen order, top to bottom (by y, ties by slot). The header reads
  "I1 I2 | O1 O2"; then one row per combination in binary counting order, I1 the
  most significant bit, e.g. "0 1 | 1 0". Each row starts from the circuit as
  loaded (every value 0), toggles the inputs that are 1 and steps until a step
  changes no gate's output. A row still changing after 256 steps is stepped 256
  more times: an output that changes during those shows "~", one that holds shows
  its value. Without inputs the table has one row ("| 0"); more than 16 inputs are
  refused with exit status 1.

resave IN OUT
  Loads IN and writes OUT as File > Save As does. Deleted gates come back as empty
  slots; everything else is written back unchanged.

check FILE
  Prints "FILE: G gates, I inputs, O outputs, N nodes, L links": the used logic
  gates (AND, OR, NOT, NAND, NOR, XOR), circuit inputs, circuit outputs and nodes,
  and the used link segments; a count of 1 is written in the singular ("1 node").

Exit status:
  0  success
  1  a file cannot be read, is damaged or cannot be written, or a table would need
     more than 16 inputs; one line on stderr names the file ("FILE: line N: reason"
     where a line applies)
  2  usage error: unknown command, missing or extra arguments, or a bad action;
     checked before anything is read or printed
)";

}  // namespace

std::string_view UsageText() { return kUsage; }

std::string HelpText() { return std::string(kUsage) + std::string(kDetails); }

}  // namespace tessara::tool
