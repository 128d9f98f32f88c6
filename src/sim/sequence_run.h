// The run of a sequence: one powered run from the circuit as loaded (every signal False),
// driven row by row. Each row sets every circuit input to its cell, toggling those that
// differ in input order, and settles from there exactly as a truth table row settles
// (sim/settle.h); its outputs are read as a table row reads them, and the state it
// settled into, s(K), is where the next row starts. A row that does not repeat within the
// bound is read at the bound's step, and the run goes on from the state there.
//
// A pulse cell 'C' sets its input to 1 together with the row's other cells (an input at
// 1 already is not toggled), the run settles, every pulsed input goes back to 0 in input
// order, and it settles again; the row is read after the second settling.
//
// Steps count as a recorded run counts them: 0 the power-up, then one per toggle and one
// per prop step. Costs one settling per row (two for a pulse), plus the steps to its
// state when the run is recorded or the row does not repeat. Never: changes the circuit
// it is given.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "model/document.h"
#include "sim/run_history.h"
#include "sim/truth_table.h"

namespace tessara {

// One row as the run read it: row.in the cells as given ("C0"), row.out the outputs
// ('0', '1' or '~'), with the repeat of its last settling; step, the run's step then.
struct SequenceReading {
  TableRow row;
  std::size_t step = 0;
};

struct SequenceRun {
  std::vector<SequenceReading> rows;  // one per row given, in order, up to a stop
  bool stopped = false;               // a stop came first: rows holds those read before it
};

// Called with the circuit after each record of the run: a toggle of slot, or a prop step.
using RunRecorder = std::function<void(const Document&, StepCause, std::int16_t slot)>;

// Runs circuit through rows, each '0', '1' or 'C' per circuit input, I1 first, within
// limits (each settling followed for at most limits.maxSteps steps); record, when given,
// sees every toggle and prop step. Requires every row as long as the circuit's inputs
// and limits.maxSteps >= 1.
SequenceRun RunSequence(const Document& circuit, const std::vector<std::string>& rows,
                        const TableLimits& limits, const RunRecorder& record = {});

}  // namespace tessara
