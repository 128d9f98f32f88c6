// The truth table of a circuit: one row per combination of its circuit inputs, each
// settled exactly (sim/settle.h) from the circuit as loaded (every signal False) with
// that row's inputs toggled on. The window and tessara-sim make it here and write it
// with io/table_text.h, so both show the same table.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"
#include "model/phrase.h"
#include "sim/settle.h"

namespace tessara {

inline constexpr std::size_t kMaxTableInputs = 16;

struct TableRow {
  std::string in;        // '0' or '1' per input, I1 first
  std::string out;       // '0', '1' or '~' per output, O1 first; an expected table's
                         // 'X' matches any of them
  bool repeats = false;  // the run repeated within the bound; steps and period hold
  int steps = 0;         // K: the run settles, or its cycle starts, after K steps
  int period = 0;        // P: 1 for a settled row
};

struct TruthTable {
  std::size_t inputs = 0;
  std::size_t outputs = 0;
  std::vector<TableRow> rows;  // 2^inputs rows in binary counting order, I1 the top bit
  int bound = kSettleBound;    // the settling bound each row was followed to
  bool stopped = false;        // a stop came first: rows holds only those settled before it
};

// The inputs of row `row` of a table with `inputs` inputs, '0' or '1' each, I1 first:
// rows count in binary with I1 the top bit, so row 1 of three inputs is "001".
std::string RowInputs(std::size_t row, std::size_t inputs);
// The row whose inputs are `cells` ('0' or '1' each, I1 first): RowInputs' inverse.
std::size_t RowOf(std::string_view cells);

// How far the work on a table may go: each row followed for at most maxSteps steps,
// and all of it given up once stop is requested.
struct TableLimits {
  int maxSteps = kSettleBound;
  std::stop_token stop;
};

// The circuit as loading its file would give it: the used gates at their places, every
// link slot as it is, every signal False (power off).
Document AsLoaded(const Document& circuit);

// The row's reading of a settled run: out gets settling.Cell of each of outputs in
// order, and repeats, steps and period come from settling. in is left as it is.
void ReadRow(const Settling& settling, const std::vector<std::int16_t>& outputs, TableRow& row);

// Why circuit has no truth table, a phrase of context "Files": "17 inputs; a truth table
// takes at most 16"; nothing when it has one.
std::optional<Phrase> NoTableReason(const Document& circuit);

// The table of circuit, inputs and outputs numbered as FindTerminals numbers them,
// within limits; onRow, when given, is called with each row as soon as it is settled.
// Requires no NoTableReason and limits.maxSteps >= 1; circuit is not changed. A circuit
// without inputs has one row. Costs one settled run per row (about 2 µs for a row of a
// 16-input XOR tree, 0.14 s for its 65,536 rows).
TruthTable MakeTruthTable(const Document& circuit, const TableLimits& limits = {},
                          const std::function<void(const TableRow&)>& onRow = {});

// The cells of output `output` (0 for O1) in every row, in the table's order: "0110".
// Requires output < table.outputs.
std::string OutputColumn(const TruthTable& table, std::size_t output);

}  // namespace tessara
