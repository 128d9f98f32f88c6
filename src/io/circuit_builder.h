// A whole circuit built from algebra: from expression lines (io/expression_reader.h)
// or a truth table (its outputs' minimal sums of products, sim/minimal_form.h, 'X'
// cells as don't cares), in a gate set (sim/gate_plan.h), laid out on the canvas
// (sim/plan_layout.h). The circuit built is checked before it is handed back: its truth
// table must be the expressions' (the table's, 'X' matching anything); a difference is
// a fault of the builder, reported as one, never a circuit that computes something else.
//
// Standard library only. Building from an 8-input table costs its minimisation and
// the check's 256 settled rows: a few milliseconds.
#pragma once

#include <optional>
#include <stop_token>
#include <string_view>

#include "io/circuit_file.h"
#include "sim/gate_plan.h"
#include "sim/truth_table.h"

namespace tessara {

struct BuildResult {
  std::optional<Document> document;  // the circuit, laid out, every slot's signals False
  FileError error;                   // meaningful only without a document: why it cannot
                                     // be read or does not fit; a line only for a table text
  bool fault = false;  // no document because the circuit built would compute something else
};

// The circuit of the expression lines in text.
BuildResult BuildFromExpressions(std::string_view text, GateSet set);

// The circuit of a table text as `tessara-sim compare` reads it (io/table_text.h).
BuildResult BuildFromTableText(std::string_view text, GateSet set, std::stop_token stop = {});

// The circuit of a table: each output's minimal sum of products. Refused for more than
// kMaxMinimalInputs inputs and for an output with a '~' cell. A stop requested gives
// the smallest forms found so far. Requires every row, in binary counting order.
BuildResult BuildFromTable(const TruthTable& table, GateSet set, std::stop_token stop = {});

}  // namespace tessara
