#include "explain_command.h"

#include <cctype>
#include <charconv>
#include <limits>
#include <optional>

#include "exit_codes.h"
#include "help.h"
#include "io/circuit_file.h"
#include "io/explanation_text.h"
#include "json.h"
#include "sim/explanation.h"
#include "sim/run_history.h"
#include "sim/signal_rows.h"
#include "sim/terminals.h"
#include "trace.h"

namespace tessara::tool {
namespace {

// A name without its spaces, in capitals: "and 3" and "AND3" both read "AND3".
std::string Folded(std::string_view name) {
  std::string folded;
  for (const char c : name) {
    if (c != ' ') folded += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return folded;
}

const SignalRow* FindRow(const std::vector<SignalRow>& rows, std::string_view name) {
  for (const SignalRow& row : rows) {
    if (Folded(row.name) == Folded(name)) return &row;
  }
  return nullptr;
}

std::string RowNames(const std::vector<SignalRow>& rows) {
  if (rows.empty()) return "none";
  std::string names;
  for (const SignalRow& row : rows) names += (names.empty() ? "" : ", ") + row.name;
  return names;
}

// The step STEP of "NAME@STEP" spells in decimal digits, if it does; a number too large
// for any run reads as the largest step, which no run reaches.
std::optional<std::size_t> StepNumber(std::string_view digits) {
  std::size_t step = 0;
  const char* end = digits.data() + digits.size();
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  const std::from_chars_result read = std::from_chars(digits.data(), end, step);
  if (read.ec == std::errc::result_out_of_range) return std::numeric_limits<std::size_t>::max();
  return step;
}

Json Optional(bool present, const Json& value) { return present ? value : Json(nullptr); }

const char* CauseName(EventCause cause) {
  switch (cause) {
    case EventCause::PowerUp:
      return "power-up";
    case EventCause::Toggle:
      return "toggle";
    case EventCause::Prop:
      return "prop";
    case EventCause::FirstKept:
      return "first-kept";
  }
  return "";
}

Json ToJson(const Explanation& explanation, const std::vector<SignalRow>& rows) {
  Json events = Json::array();
  for (const ExplainedEvent& event : explanation.events) {
    Json inputs = Json::array();
    for (const ExplainedInput& input : event.inputs) {
      const bool linked = input.from != Driver::Kind::NotLinked;
      const Json from =
          input.from == Driver::Kind::Bend ? Json("bend") : Json(RowName(rows, input.fromSlot));
      inputs.push_back({{"place", input.place},
                        {"value", int{input.value}},
                        {"from", Optional(linked, from)},
                        {"at", Optional(linked, input.at)}});
    }
    events.push_back({{"step", event.step},
                      {"gate", RowName(rows, event.slot)},
                      {"value", int{event.value}},
                      {"cause", CauseName(event.cause)},
                      {"inputs", inputs}});
  }
  return {{"tessara", kJsonFormat},
          {"target", RowName(rows, explanation.slot)},
          {"value", int{explanation.value}},
          {"step", explanation.step},
          {"events", events},
          {"more", explanation.more}};
}

}  // namespace

int ExplainCommand(const Command& command, std::ostream& out, std::ostream& err) {
  const std::string& path = command.operands[0];
  LoadResult loaded = LoadCircuitFile(path);
  if (!loaded.document) {
    err << Describe(path, loaded.error) << '\n';
    return kExitBadFile;
  }
  Document& doc = *loaded.document;
  const std::optional<std::vector<Action>> actions =
      ActionsFor(doc, std::span(command.operands).subspan(2), err);
  if (!actions) return kExitUsage;
  const std::vector<SignalRow> rows = SignalRows(doc);
  const std::string_view target = command.operands[1];
  const std::size_t at = target.find('@');
  const SignalRow* row = FindRow(rows, target.substr(0, at));
  if (!row) {
    return UsageError("no gate '" + std::string(target.substr(0, at)) + "' in " + path +
                          "; it has " + RowNames(rows),
                      err);
  }
  const std::optional<std::size_t> asked =
      at == std::string_view::npos ? std::nullopt : StepNumber(target.substr(at + 1));
  if (at != std::string_view::npos && !asked) {
    return UsageError(
        "bad step in '" + std::string(target) + "' (expected NAME@STEP, STEP a number)", err);
  }
  RunHistory history;
  RunActions(doc, *actions, [&](const RunRecord& record) {
    if (record.cause == StepCause::PowerUp) {
      history.Start(CaptureState(doc));
    } else {
      history.Record(CaptureState(doc), record.cause, record.slot);
    }
  });
  const std::size_t step = asked.value_or(history.Last());
  if (step < history.First() || step > history.Last()) {
    const std::string written = asked ? std::string(target.substr(at + 1)) : std::to_string(step);
    return UsageError("step " + written + " is outside the run (steps " +
                          std::to_string(history.First()) + " to " +
                          std::to_string(history.Last()) + ")",
                      err);
  }
  const Explanation explanation = tessara::Explain(doc, history, row->slot, step);
  if (command.Has("--json")) {
    out << Dump(ToJson(explanation, rows)) << '\n';
  } else {
    out << ExplanationText(explanation, rows);
  }
  return kExitOk;
}

}  // namespace tessara::tool
