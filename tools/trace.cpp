#include "trace.h"

#include <cassert>
#include <functional>

#include "help.h"
#include "json.h"
#include "model/kinds.h"
#include "sim/propagation.h"
#include "sim/signal_rows.h"
#include "sim/terminals.h"
#include "used_slots.h"

namespace tessara::tool {

void RunActions(Document& doc, const std::vector<Action>& actions,
                const std::function<void(const RunRecord&)>& record) {
  assert(!InputOutOfRange(doc, actions));
  const std::vector<std::int16_t> inputs = FindTerminals(doc).inputs;
  doc.PowerOn = true;
  record({"load", StepCause::PowerUp, 0});
  for (const Action& action : actions) {
    if (action.kind == Action::Kind::Prop) {
      for (int step = 0; step < action.steps; ++step) {
        PropStep(doc);
        record({"p", StepCause::Prop, 0});
      }
      continue;
    }
    const bool byNumber = action.kind == Action::Kind::ToggleInput;
    const std::int16_t slot =
        byNumber ? inputs.at(static_cast<std::size_t>(action.steps - 1)) : action.slot;
    ToggleInput(doc, slot);
    record({action.text, StepCause::Toggle, slot});
  }
}

std::string SlotHeader(const Document& doc) {
  std::string line;
  for (std::int16_t slot : UsedSlots(doc)) {
    if (!line.empty()) line += ' ';
    line += std::to_string(slot) + ':' + std::string(KindName(doc.Gates(slot).GetType()));
  }
  return line;
}

std::string Values(const Document& doc) {
  std::string values;
  for (std::int16_t slot : UsedSlots(doc)) values += doc.Gates(slot).GetCurrOutput() ? '1' : '0';
  return values;
}

std::optional<Action> InputOutOfRange(const Document& doc, const std::vector<Action>& actions) {
  const std::size_t inputs = FindTerminals(doc).inputs.size();
  for (const Action& action : actions) {
    if (action.kind == Action::Kind::ToggleInput &&
        static_cast<std::size_t>(action.steps) > inputs) {
      return action;
    }
  }
  return std::nullopt;
}

std::optional<std::vector<Action>> ActionsFor(const Document& doc,
                                              std::span<const std::string> texts,
                                              std::ostream& err) {
  std::vector<Action> actions;
  for (const std::string& text : texts) actions.push_back(*ParseAction(text));
  if (std::optional<Action> bad = InputOutOfRange(doc, actions)) {
    UsageError("bad action '" + bad->text + "': the circuit has " +
                   std::to_string(FindTerminals(doc).inputs.size()) + " inputs",
               err);
    return std::nullopt;
  }
  return actions;
}

void WriteTrace(Document& doc, const std::vector<Action>& actions, std::ostream& out) {
  out << SlotHeader(doc) << '\n';
  RunActions(doc, actions,
             [&](const RunRecord& run) { out << run.label << ' ' << Values(doc) << '\n'; });
}

void WriteWaveDrom(Document& doc, const std::vector<Action>& actions, std::ostream& out) {
  const std::vector<SignalRow> signals = SignalRows(doc);
  std::vector<std::string> waves(signals.size());
  std::string last(signals.size(), ' ');  // each signal's value in the record before
  RunActions(doc, actions, [&](const RunRecord&) {
    for (std::size_t i = 0; i < signals.size(); ++i) {
      const char value = doc.Gates(signals[i].slot).GetCurrOutput() ? '1' : '0';
      waves[i] += value == last[i] ? '.' : value;
      last[i] = value;
    }
  });
  Json signal = Json::array();
  for (std::size_t i = 0; i < signals.size(); ++i) {
    signal.push_back({{"name", signals[i].waveDromName}, {"wave", waves[i]}});
  }
  out << Dump(Json{{"signal", signal}}) << '\n';
}

}  // namespace tessara::tool
