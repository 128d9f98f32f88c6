// Expressions as a learner types them, one output a line, read into expression trees
// (sim/gate_plan.h) to build a circuit from:
//
//   O1 = (I1 AND I2) OR NOT I3         as `tessara-sim expr` writes a formula
//   O2 = ¬I1·I2 + I1·¬I2               as it writes a minimal form
//   I1' & I2 | !(I3 ^ 1)               ASCII signs; a line without "On =" is the next output
//
//   line     := [ output "=" ] or
//   or       := xor { ("+" | "|" | OR) xor }   |  xor NOR xor
//   xor      := and { ("^" | XOR) and }
//   and      := not { ("·" | "*" | "&" | AND) not }  |  not NAND not
//   not      := ("¬" | "!" | "~" | NOT) not  |  operand { "'" }
//   operand  := input | "0" | "1" | "(" or ")"
//
// Words (AND, OR, NOT, NAND, NOR, XOR, as the kinds' rows name them) are read in any
// letter case; inputs are I1, I2, ... (or i1); outputs O1, O2, ... NAND and NOR never
// chain: "I1 NAND I2 NAND I3" is refused at the second NAND. A line holds at most 500
// parentheses and negations. A gate's name as `expr`
// writes it for a loop ("NOR 3") is refused. Empty lines and lines starting with '#'
// are skipped; a byte-order mark and CRLF line ends are allowed.
//
// A failure names where it lies, counting characters from 1: "column 14: expected an
// input name or (, found )", with "line 2, " before it when the text holds more than one
// expression line; a failure at a line's end names the column after its last
// character. Reasons are phrases of context "Build". Standard library only.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "io/circuit_file.h"
#include "sim/gate_plan.h"

namespace tessara {

struct ExpressionsResult {
  std::vector<Expression> outputs;  // O1 first; empty on a failure
  std::size_t inputs = 0;           // the highest input named: the circuit has I1..In
  FileError error;                  // meaningful only without outputs (line 0 always:
                                    // the reason names its place itself)
};

// The outputs' expressions of text, every output O1..Om given exactly once.
ExpressionsResult ReadExpressions(std::string_view text);

}  // namespace tessara
