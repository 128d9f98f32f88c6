#include "sim/signal_rows.h"

#include "sim/terminals.h"

namespace tessara {
namespace {

struct KindName {
  Long code;
  const char* name;
};
constexpr KindName kKindNames[] = {{kAndGate, "AND"},   {kOrGate, "OR"},   {kNotGate, "NOT"},
                                   {kNandGate, "NAND"}, {kNorGate, "NOR"}, {kXorGate, "XOR"}};

void AddNumbered(std::vector<SignalRow>& rows, const std::vector<Integer>& slots, char letter) {
  for (std::size_t n = 0; n < slots.size(); ++n) {
    rows.push_back({slots[n], letter + std::to_string(n + 1)});
  }
}

}  // namespace

std::vector<SignalRow> SignalRows(const Document& doc) {
  const Terminals terminals = FindTerminals(doc);
  std::vector<SignalRow> rows;
  AddNumbered(rows, terminals.inputs, 'I');
  for (Integer i = 0; i < kSlotCount; ++i) {
    if (!doc.Gates(i).GetUsed()) continue;
    for (const KindName& kind : kKindNames) {
      if (kind.code == doc.Gates(i).GetType()) {
        rows.push_back({i, std::string(kind.name) + " " + std::to_string(i)});
      }
    }
  }
  AddNumbered(rows, terminals.outputs, 'O');
  return rows;
}

std::string RowName(const std::vector<SignalRow>& rows, Integer slot) {
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
