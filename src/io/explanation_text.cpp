#include "io/explanation_text.h"

#include <cassert>

#include "io/phrases.h"

namespace tessara {
namespace {

constexpr const char* kQuestion = TESSARA_PHRASE("Explanation", "%1 = %2 at step %3");
constexpr const char* kPowerUp = TESSARA_PHRASE("Explanation", "step %1: %2 = %3 at power-up");
constexpr const char* kFirstKept =
    TESSARA_PHRASE("Explanation", "step %1: %2 = %3 at the first kept step");
constexpr const char* kToggled = TESSARA_PHRASE("Explanation", "step %1: %2 became %3: toggled");
constexpr const char* kComputed = TESSARA_PHRASE("Explanation", "step %1: %2 became %3: %4");
constexpr const char* kFromGate = TESSARA_PHRASE("Explanation", "input %1 = %2 from %3 at step %4");
constexpr const char* kNotLinked = TESSARA_PHRASE("Explanation", "input %1 = %2, not linked");
constexpr const char* kFromBend =
    TESSARA_PHRASE("Explanation", "input %1 = %2 from a bend with no gate before it");
constexpr const char* kInputSeparator = TESSARA_PHRASE("Explanation", ", ");
constexpr const char* kMore = TESSARA_PHRASE("Explanation", "... %1 more");

std::string Bit(bool value) { return value ? "1" : "0"; }

std::string InputText(const ExplainedInput& input, const std::vector<SignalRow>& rows,
                      Translate translate) {
  const std::string place = std::to_string(input.place), value = Bit(input.value);
  switch (input.from) {
    case Driver::Kind::NotLinked:
      return Fill(translate(kNotLinked), {place, value});
    case Driver::Kind::Bend:
      return Fill(translate(kFromBend), {place, value});
    case Driver::Kind::Gate:
      break;
  }
  return Fill(translate(kFromGate),
              {place, value, RowName(rows, input.fromSlot), std::to_string(input.at)});
}

}  // namespace

std::string KeepEnglish(const char* english) { return english; }

std::string QuestionLine(const Explanation& explanation, const std::vector<SignalRow>& rows,
                         Translate translate) {
  return Fill(translate(kQuestion), {RowName(rows, explanation.slot), Bit(explanation.value),
                                     std::to_string(explanation.step)});
}

std::string EventLine(const ExplainedEvent& event, const std::vector<SignalRow>& rows,
                      Translate translate) {
  const std::string step = std::to_string(event.step), name = RowName(rows, event.slot),
                    value = Bit(event.value);
  switch (event.cause) {
    case EventCause::PowerUp:
      return Fill(translate(kPowerUp), {step, name, value});
    case EventCause::FirstKept:
      return Fill(translate(kFirstKept), {step, name, value});
    case EventCause::Toggle:
      return Fill(translate(kToggled), {step, name, value});
    case EventCause::Prop:
      break;
  }
  assert(!event.inputs.empty());
  std::string inputs;
  for (const ExplainedInput& input : event.inputs) {
    if (!inputs.empty()) inputs += translate(kInputSeparator);
    inputs += InputText(input, rows, translate);
  }
  return Fill(translate(kComputed), {step, name, value, inputs});
}

std::string MoreLine(std::size_t more, Translate translate) {
  return Fill(translate(kMore), {std::to_string(more)});
}

std::string ExplanationText(const Explanation& explanation, const std::vector<SignalRow>& rows) {
  std::string text = QuestionLine(explanation, rows) + '\n';
  for (const ExplainedEvent& event : explanation.events) text += EventLine(event, rows) + '\n';
  if (explanation.more > 0) text += MoreLine(explanation.more) + '\n';
  return text;
}

}  // namespace tessara
