// The gates a circuit built from algebra needs, before anything is placed: each
// output's expression turned into a network of gates of one gate set, every gate with
// two inputs (NOT one), a wide AND, OR or XOR as a balanced tree, and every
// sub-expression that occurs more than once made once and shared.
//
// Gate sets: Any keeps the operators as written; NandOnly and NorOnly rewrite each one
// into NAND (NOR) gates, a NOT as a gate with both places on the same signal, and drop
// a negation of a negation. The constant 0 is an unlinked place, which reads 0; the
// constant 1 is a NOT (NAND, NOR) gate whose places are all left unlinked.
//
// Standard library only; costs a map look-up per gate made.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/types.h"

namespace tessara {

// An expression as a tree of operators over the inputs I1, I2, ... and the constants.
struct Expression {
  std::int32_t kind = kNoGate;       // kInputGate, a logic gate's code (kAndGate ... kXorGate,
                                     // kNotGate), or kNoGate for a constant
  int value = 0;                     // kInputGate: the input's number from 1; a constant: 0 or 1
  std::vector<Expression> operands;  // NOT one; NAND and NOR two; AND, OR, XOR two or more

  // The expression's value in row `row` of a table with `inputs` inputs (I1 the top
  // bit, as table rows count). Requires every input named to be at most `inputs`.
  bool Value(unsigned row, std::size_t inputs) const;
};

enum class GateSet { Any, NandOnly, NorOnly };

// A signal in a plan: kZero (nothing linked), or the index of a term.
inline constexpr int kZero = -1;

struct PlanTerm {
  std::int32_t kind = kNoGate;  // kInputGate or a logic gate's code
  int input = 0;                // kInputGate: the input's number from 1
  int a = kZero;                // a logic gate's signal at input place 0
  int b = kZero;                // at place 1 (two-input kinds only)
};

struct GatePlan {
  std::size_t inputs = 0;       // the circuit's inputs, I1 to In
  std::vector<PlanTerm> terms;  // the circuit inputs I1..In first, then the gates, each
                                // after the terms it reads
  std::vector<int> outputs;     // each output's signal, O1 first

  std::size_t Gates() const { return terms.size() - inputs; }
};

// The plan for the outputs' expressions over `inputs` inputs (every input named is at
// most `inputs`), in gate set `set`. Only gates that an output reads are kept.
GatePlan MakePlan(const std::vector<Expression>& outputs, std::size_t inputs, GateSet set);

// The name the gate set goes by in `--gates` and in the window: "any", "nand", "nor".
std::string GateSetWord(GateSet set);

}  // namespace tessara
