#include "io/explanation_text.h"

namespace tessara {
namespace {

std::string Bit(bool value) { return value ? "1" : "0"; }

std::string InputText(const ExplainedInput& input, const std::vector<SignalRow>& rows) {
  std::string text = "input " + std::to_string(input.place) + " = " + Bit(input.value);
  switch (input.from) {
    case Driver::Kind::NotLinked:
      return text + ", not linked";
    case Driver::Kind::Bend:
      return text + " from a bend with no gate before it";
    case Driver::Kind::Gate:
      break;
  }
  return text + " from " + RowName(rows, input.fromSlot) + " at step " + std::to_string(input.at);
}

}  // namespace

std::string QuestionLine(const Explanation& explanation, const std::vector<SignalRow>& rows) {
  return RowName(rows, explanation.slot) + " = " + Bit(explanation.value) + " at step " +
         std::to_string(explanation.step);
}

std::string EventLine(const ExplainedEvent& event, const std::vector<SignalRow>& rows) {
  const std::string head = "step " + std::to_string(event.step) + ": " + RowName(rows, event.slot);
  switch (event.cause) {
    case EventCause::PowerUp:
      return head + " = " + Bit(event.value) + " at power-up";
    case EventCause::FirstKept:
      return head + " = " + Bit(event.value) + " at the first kept step";
    case EventCause::Toggle:
      return head + " became " + Bit(event.value) + ": toggled";
    case EventCause::Prop:
      break;
  }
  std::string line = head + " became " + Bit(event.value) + ":";
  for (std::size_t k = 0; k < event.inputs.size(); ++k) {
    line += (k == 0 ? " " : ", ") + InputText(event.inputs[k], rows);
  }
  return line;
}

std::string MoreLine(std::size_t more) { return "... " + std::to_string(more) + " more"; }

std::string ExplanationText(const Explanation& explanation, const std::vector<SignalRow>& rows) {
  std::string text = QuestionLine(explanation, rows) + '\n';
  for (const ExplainedEvent& event : explanation.events) text += EventLine(event, rows) + '\n';
  if (explanation.more > 0) text += MoreLine(explanation.more) + '\n';
  return text;
}

}  // namespace tessara
