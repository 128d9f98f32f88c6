#include "sim/truth_table.h"

#include <cassert>

#include "model/gatekinds.h"
#include "sim/propagation.h"
#include "sim/settle.h"
#include "sim/terminals.h"

namespace tessara {

Document AsLoaded(const Document& doc) {
  Document copy;
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    const Gate& original = doc.Gates(i);
    if (original.GetUsed()) {
      if (std::unique_ptr<Gate> fresh = MakeGate(original.GetType())) {
        fresh->ReadData(original.GetX(), original.GetY(), true, original.GetOrientation());
        copy.PutGate(i, std::move(fresh));
      }
    }
    copy.EditLink(i) = doc.Links(i);
  }
  return copy;
}

void ReadRow(const Settling& settling, const std::vector<std::int16_t>& outputs, TableRow& row) {
  row.out.clear();
  for (std::int16_t slot : outputs) row.out += settling.Cell(slot);
  row.repeats = settling.repeats;
  row.steps = settling.steps;
  row.period = settling.period;
}

std::string RowInputs(std::size_t row, std::size_t inputs) {
  std::string cells;
  for (std::size_t k = 0; k < inputs; ++k) cells += (row >> (inputs - 1 - k) & 1u) ? '1' : '0';
  return cells;
}

std::size_t RowOf(std::string_view cells) {
  std::size_t row = 0;
  for (char c : cells) row = row * 2 + (c == '1' ? 1 : 0);
  return row;
}

std::optional<Phrase> NoTableReason(const Document& circuit) {
  const std::size_t inputs = FindTerminals(circuit).inputs.size();
  if (inputs <= kMaxTableInputs) return std::nullopt;
  return Words("Files", TESSARA_PHRASE("Files", "%1 inputs; a truth table takes at most %2"),
               std::to_string(inputs), std::to_string(kMaxTableInputs));
}

TruthTable MakeTruthTable(const Document& circuit, const TableLimits& limits,
                          const std::function<void(const TableRow&)>& onRow) {
  assert(!NoTableReason(circuit));
  assert(limits.maxSteps >= 1);
  const Terminals terminals = FindTerminals(circuit);
  const std::size_t n = terminals.inputs.size();
  TruthTable table{n, terminals.outputs.size(), {}, limits.maxSteps, false};
  table.rows.reserve(std::size_t{1} << n);
  Document doc = AsLoaded(circuit);
  const SimState loaded = CaptureState(doc);
  for (unsigned combination = 0; combination < (1u << n); ++combination) {
    if (limits.stop.stop_requested()) {
      table.stopped = true;
      break;
    }
    TableRow row;
    RestoreState(doc, loaded);
    row.in = RowInputs(combination, n);
    for (std::size_t k = 0; k < n; ++k) {
      if (row.in[k] == '1') ToggleInput(doc, terminals.inputs[k]);
    }
    const Settling settling = Settle(doc, limits.maxSteps, limits.stop);
    if (settling.stopped) {
      table.stopped = true;
      break;
    }
    ReadRow(settling, terminals.outputs, row);
    if (onRow) onRow(row);
    table.rows.push_back(std::move(row));
  }
  return table;
}

std::string OutputColumn(const TruthTable& table, std::size_t output) {
  assert(output < table.outputs);
  std::string column;
  for (const TableRow& row : table.rows) column += row.out[output];
  return column;
}

}  // namespace tessara
