#include "sim/truth_table.h"

#include <cassert>

#include "model/gatekinds.h"
#include "sim/propagation.h"
#include "sim/settle.h"
#include "sim/terminals.h"

namespace tessara {
namespace {

// The circuit as loading its file would give it: the used gates at their places,
// every link slot as it is, every signal False.
Document AsLoaded(const Document& doc) {
  Document copy;
  for (Integer i = 0; i < kSlotCount; ++i) {
    const gate& original = doc.Gates(i);
    if (original.GetUsed()) {
      if (std::unique_ptr<gate> fresh = MakeGate(original.GetType())) {
        fresh->ReadData(original.GetX(), original.GetY(), true, original.GetOrientation());
        copy.PutGate(i, std::move(fresh));
      }
    }
    copy.Links(i) = doc.Links(i);
  }
  return copy;
}

}  // namespace

TruthTable MakeTruthTable(const Document& circuit) {
  const Terminals terminals = FindTerminals(circuit);
  const std::size_t n = terminals.inputs.size();
  assert(n <= kMaxTableInputs);
  TruthTable table{n, terminals.outputs.size(), {}};
  Document doc = AsLoaded(circuit);
  const SimState loaded = CaptureState(doc);
  for (unsigned combination = 0; combination < (1u << n); ++combination) {
    TableRow row;
    RestoreState(doc, loaded);
    for (std::size_t k = 0; k < n; ++k) {
      const bool on = combination >> (n - 1 - k) & 1u;
      if (on) ToggleInput(doc, terminals.inputs[k]);
      row.in += on ? '1' : '0';
    }
    const Settling settling = Settle(doc);
    for (Integer slot : terminals.outputs) row.out += settling.Cell(slot);
    row.repeats = settling.repeats;
    row.steps = settling.steps;
    row.period = settling.period;
    table.rows.push_back(std::move(row));
  }
  return table;
}

}  // namespace tessara
