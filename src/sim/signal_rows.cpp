#include "sim/signal_rows.h"

#include <cassert>

#include "model/kinds.h"
#include "sim/terminals.h"

namespace tessara {
namespace {

void AddNumbered(std::vector<SignalRow>& rows, const std::vector<std::int16_t>& slots,
                 std::int32_t kind) {
  for (std::size_t n = 0; n < slots.size(); ++n) {
    const std::string name = TerminalName(kind, n + 1);
    rows.push_back({slots[n], name, name});
  }
}

}  // namespace

std::string TerminalName(std::int32_t kind, std::size_t n) {
  assert(HasRole(kind, KindRole::Input) || HasRole(kind, KindRole::Output));
  return std::string(FindKind(kind)->signal) + std::to_string(n);
}

std::vector<SignalRow> SignalRows(const Document& doc) {
  const Terminals terminals = FindTerminals(doc);
  std::vector<SignalRow> rows;
  AddNumbered(rows, terminals.inputs, kInputGate);
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    const KindFacts* kind = doc.Gates(i).Kind();
    if (!doc.Gates(i).GetUsed() || !kind || kind->role != KindRole::Logic) continue;
    const std::string slot = std::to_string(i);
    rows.push_back({i, std::string(kind->signal) + " " + slot, std::string(kind->word) + slot});
  }
  AddNumbered(rows, terminals.outputs, kOutputGate);
  return rows;
}

std::string RowName(const std::vector<SignalRow>& rows, std::int16_t slot) {
  for (const SignalRow& row : rows) {
    if (row.slot == slot) return row.name;
  }
  return std::to_string(slot);
}

std::string CauseText(const RecordedStep& step, const std::vector<SignalRow>& rows) {
  switch (step.cause) {
    case StepCause::PowerUp:
      return "power up";
    case StepCause::Prop:
      return "prop";
    case StepCause::Toggle:
      return "toggle " + RowName(rows, step.slot);
  }
  return {};
}

std::string RunValuesCsv(const RunHistory& history, const std::vector<SignalRow>& rows) {
  std::string csv = "step,cause";
  for (const SignalRow& row : rows) csv += "," + row.name;
  csv += "\n";
  if (history.Empty()) return csv;
  for (std::size_t n = history.First(); n <= history.Last(); ++n) {
    const RecordedStep& step = history.Step(n);
    csv += std::to_string(n) + "," + CauseText(step, rows);
    for (const SignalRow& row : rows) csv += step.state.Output(row.slot) ? ",1" : ",0";
    csv += "\n";
  }
  return csv;
}

}  // namespace tessara
