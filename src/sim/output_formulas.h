// What each circuit output computes, written as a formula read from the circuit itself:
// the output's driver as a formula of the circuit inputs through the gates,
// "(I1 AND I2) OR NOT I3". Operators in capitals (AND, OR, NAND, NOR, XOR, and NOT as a
// prefix); an operand that is itself a two-input operation stands in parentheses, so no
// precedence is needed.
//
// The input place a formula reads is the one a gate computes from: where several
// segments end at one place, the last that the transfer pass of a prop step carries
// there (sim/propagation.h), and a node stands for the gate its chain comes from. An
// unlinked place reads "0", and so does a link from an empty slot. A gate met again
// through a loop is written by its name ("NOR 3", or what the caller names it), another
// circuit output by its name ("O2"). A gate reached along two paths is written out on
// each.
//
// Costs one pass over the links and one visit per gate written; a formula is cut off at
// kMaxFormulaLength characters, so a circuit whose paths fan out again and again costs
// no more. Standard library only.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "model/document.h"
#include "sim/drivers.h"

namespace tessara {

inline constexpr std::size_t kMaxFormulaLength = 4000;

struct OutputFormula {
  std::string text;      // the formula; meaningless when tooLong
  std::string feedback;  // the first gate written by its name for a loop, or empty
  bool tooLong = false;  // the formula has more than kMaxFormulaLength characters
  SlotSet named;         // the logic gates written by their names
};

// The name a formula gives the logic gate in a slot it meets again through a loop.
using GateNaming = std::function<std::string(std::int16_t slot)>;

// The formula of each circuit output, O1 first, inputs and outputs numbered as
// FindTerminals numbers them; a logic gate met again named by naming, or else as the
// signal rows name it ("NOR 3"). Reads only used gates and used links.
std::vector<OutputFormula> OutputFormulas(const Document& doc, const GateNaming& naming = {});

}  // namespace tessara
