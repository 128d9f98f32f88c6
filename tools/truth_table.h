// The truth table of a circuit: every combination of its circuit inputs, each
// started from the circuit as loaded and stepped until it settles.
//
// A row settles at the first step that changes no gate's output: the step is then a
// fixed point and nothing will change again. A row that has not settled after
// kSettleSteps steps is watched for kWatchSteps more: an output that changes in that
// window is printed "~", one that holds is printed with its value.
#pragma once

#include <cstddef>
#include <ostream>
#include <vector>

#include "model/document.h"
#include "sim/terminals.h"

namespace tessara::tool {

inline constexpr std::size_t kMaxTableInputs = 16;
inline constexpr int kSettleSteps = 256;
inline constexpr int kWatchSteps = 256;

// Writes the header "I1 I2 | O1 O2" and one row "0 1 | 1 0" per combination in
// binary counting order, I1 the most significant bit; a circuit without inputs has
// one row. Requires at most kMaxTableInputs inputs. The circuit is left unchanged:
// every row works on a copy of it as loaded, every value False.
void WriteTruthTable(const Document& circuit, std::ostream& out);

}  // namespace tessara::tool
