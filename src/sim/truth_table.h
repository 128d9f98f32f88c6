// The truth table of a circuit: one row per combination of its circuit inputs, each
// settled exactly (sim/settle.h) from the circuit as loaded (every signal False) with
// that row's inputs toggled on. The window and tessara-sim make it here and write it
// with io/table_text.h, so both show the same table.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/document.h"

namespace tessara {

inline constexpr std::size_t kMaxTableInputs = 16;

struct TableRow {
  std::string in;        // '0' or '1' per input, I1 first
  std::string out;       // '0', '1' or '~' per output, O1 first
  bool repeats = false;  // the run repeated within the bound; steps and period hold
  int steps = 0;         // K: the run settles, or its cycle starts, after K steps
  int period = 0;        // P: 1 for a settled row
};

struct TruthTable {
  std::size_t inputs = 0;
  std::size_t outputs = 0;
  std::vector<TableRow> rows;  // 2^inputs rows in binary counting order, I1 the top bit
};

// The table of circuit, inputs and outputs numbered as FindTerminals numbers them.
// Requires at most kMaxTableInputs inputs; circuit is not changed. A circuit without
// inputs has one row. Costs one settled run per row (about 2 µs for a row of a
// 16-input XOR tree, 0.14 s for its 65,536 rows).
TruthTable MakeTruthTable(const Document& circuit);

// The cells of output `output` (0 for O1) in every row, in the table's order: "0110".
// Requires output < table.outputs.
std::string OutputColumn(const TruthTable& table, std::size_t output);

}  // namespace tessara
