// The rows a run is shown and saved in: one per used gate slot other than nodes,
// circuit inputs first (I1, I2, ... as FindTerminals numbers them), then the other
// gates in slot order named by kind and slot ("NOT 4"), then the outputs (O1, O2, ...).
// The timeline, its CSV and tessara-sim's WaveDrom trace all name signals here.
#pragma once

#include <string>
#include <vector>

#include "model/document.h"
#include "sim/run_history.h"

namespace tessara {

struct SignalRow {
  std::int16_t slot = 0;
  std::string name;          // the timeline's and the CSV's: "I1", "NOT 4", "O1"
  std::string waveDromName;  // WaveDrom's: "I1", "not4", "O1"
};

std::vector<SignalRow> SignalRows(const Document& doc);

// The name of slot's row; the slot number for a slot that has none.
std::string RowName(const std::vector<SignalRow>& rows, std::int16_t slot);

// The name of circuit input (kind kInputGate) or output (kOutputGate) number n, from 1:
// "I1", "O2"; truth tables head their columns with these names too.
std::string TerminalName(std::int32_t kind, std::size_t n);

// What caused a step, in the rows' words: "power up", "toggle I2", "prop".
std::string CauseText(const RecordedStep& step, const std::vector<SignalRow>& rows);

// The run as comma-separated values: the header "step,cause,I1,...,O1,..." and one
// line per kept step, each row's output as 0 or 1; lines end with "\n".
std::string RunValuesCsv(const RunHistory& history, const std::vector<SignalRow>& rows);

}  // namespace tessara
