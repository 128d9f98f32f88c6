#include "trace.h"

#include <cassert>
#include <functional>
#include <nlohmann/json.hpp>

#include "model/gatekinds.h"
#include "sim/propagation.h"
#include "sim/terminals.h"
#include "used_slots.h"

namespace tessara::tool {

using Json = nlohmann::ordered_json;  // keys in the order written
namespace {

// Powers doc up and calls record with each record's label ("load", "t3", "p") after
// loading and after each toggle and step.
void Run(Document& doc, const std::vector<Action>& actions,
         const std::function<void(const std::string&)>& record) {
  assert(!InputOutOfRange(doc, actions));
  const std::vector<Integer> inputs = FindTerminals(doc).inputs;
  doc.PowerOn = true;
  record("load");
  for (const Action& action : actions) {
    if (action.kind == Action::Kind::Prop) {
      for (int step = 0; step < action.steps; ++step) {
        PropStep(doc);
        record("p");
      }
      continue;
    }
    const bool byNumber = action.kind == Action::Kind::ToggleInput;
    ToggleInput(doc,
                byNumber ? inputs.at(static_cast<std::size_t>(action.steps - 1)) : action.slot);
    record(action.text);
  }
}

}  // namespace

std::string SlotHeader(const Document& doc) {
  std::string line;
  for (Integer slot : UsedSlots(doc)) {
    if (!line.empty()) line += ' ';
    line += std::to_string(slot) + ':' + std::string(KindName(doc.Gates(slot).GetType()));
  }
  return line;
}

std::string Values(const Document& doc) {
  std::string values;
  for (Integer slot : UsedSlots(doc)) values += doc.Gates(slot).GetCurrOutput() ? '1' : '0';
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

void WriteTrace(Document& doc, const std::vector<Action>& actions, std::ostream& out) {
  out << SlotHeader(doc) << '\n';
  Run(doc, actions, [&](const std::string& label) { out << label << ' ' << Values(doc) << '\n'; });
}

void WriteWaveDrom(Document& doc, const std::vector<Action>& actions, std::ostream& out) {
  const Terminals terminals = FindTerminals(doc);
  std::vector<std::pair<std::string, Integer>> signals;
  for (std::size_t k = 0; k < terminals.inputs.size(); ++k) {
    signals.emplace_back("I" + std::to_string(k + 1), terminals.inputs[k]);
  }
  for (Integer slot : UsedSlots(doc)) {
    const Long type = doc.Gates(slot).GetType();
    if (type == kInputGate || type == kOutputGate || type == kBufferGate) continue;
    signals.emplace_back(std::string(KindName(type)) + std::to_string(slot), slot);
  }
  for (std::size_t k = 0; k < terminals.outputs.size(); ++k) {
    signals.emplace_back("O" + std::to_string(k + 1), terminals.outputs[k]);
  }
  std::vector<std::string> waves(signals.size());
  std::string last(signals.size(), ' ');  // each signal's value in the record before
  Run(doc, actions, [&](const std::string&) {
    for (std::size_t i = 0; i < signals.size(); ++i) {
      const char value = doc.Gates(signals[i].second).GetCurrOutput() ? '1' : '0';
      waves[i] += value == last[i] ? '.' : value;
      last[i] = value;
    }
  });
  Json signal = Json::array();
  for (std::size_t i = 0; i < signals.size(); ++i) {
    signal.push_back({{"name", signals[i].first}, {"wave", waves[i]}});
  }
  out << Json{{"signal", signal}}.dump() << '\n';
}

}  // namespace tessara::tool
