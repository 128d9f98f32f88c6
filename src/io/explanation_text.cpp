#include "io/explanation_text.h"

#include <cassert>

#include "io/learner_words.h"

namespace tessara {
namespace {

constexpr const char* kContext = "Explanation";
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
constexpr const char* kPlaceFromGate = TESSARA_PHRASE("Explanation", "%1 = %2 from %3 at step %4");
constexpr const char* kPlaceNotLinked = TESSARA_PHRASE("Explanation", "%1 = %2, not linked");
constexpr const char* kPlaceFromBend =
    TESSARA_PHRASE("Explanation", "%1 = %2 from a bend with no gate before it");
constexpr const char* kInputList = TESSARA_PHRASE("Explanation", "%1, %2");
constexpr const char* kMore = TESSARA_PHRASE("Explanation", "... %1 more");

Phrase Bit(bool value) { return Name(value ? "1" : "0"); }
Phrase Number(auto n) { return Name(std::to_string(n)); }

// places: the window's document, whose gates' inputs are then named by their place.
Phrase InputText(const ExplainedInput& input, const std::vector<SignalRow>& rows, std::int16_t slot,
                 const Document* places) {
  Phrase place = places ? InputPlace(*places, slot, input.place) : Number(input.place);
  Phrase value = Bit(input.value);
  switch (input.from) {
    case Driver::Kind::NotLinked:
      return Words(kContext, places ? kPlaceNotLinked : kNotLinked, std::move(place),
                   std::move(value));
    case Driver::Kind::Bend:
      return Words(kContext, places ? kPlaceFromBend : kFromBend, std::move(place),
                   std::move(value));
    case Driver::Kind::Gate:
      break;
  }
  return Words(kContext, places ? kPlaceFromGate : kFromGate, std::move(place), std::move(value),
               Name(RowName(rows, input.fromSlot)), Number(input.at));
}

}  // namespace

Phrase QuestionLine(const Explanation& explanation, const std::vector<SignalRow>& rows) {
  return Words(kContext, kQuestion, Name(RowName(rows, explanation.slot)), Bit(explanation.value),
               Number(explanation.step));
}

Phrase EventLine(const ExplainedEvent& event, const std::vector<SignalRow>& rows,
                 const Document* places) {
  Phrase step = Number(event.step), name = Name(RowName(rows, event.slot)),
         value = Bit(event.value);
  switch (event.cause) {
    case EventCause::PowerUp:
      return Words(kContext, kPowerUp, std::move(step), std::move(name), std::move(value));
    case EventCause::FirstKept:
      return Words(kContext, kFirstKept, std::move(step), std::move(name), std::move(value));
    case EventCause::Toggle:
      return Words(kContext, kToggled, std::move(step), std::move(name), std::move(value));
    case EventCause::Prop:
      break;
  }
  assert(!event.inputs.empty());
  // The inputs joined by commas, the first one outermost: "%1, %2" over (first, rest).
  Phrase inputs = InputText(event.inputs.back(), rows, event.slot, places);
  for (auto input = event.inputs.rbegin() + 1; input != event.inputs.rend(); ++input) {
    inputs =
        Words(kContext, kInputList, InputText(*input, rows, event.slot, places), std::move(inputs));
  }
  return Words(kContext, kComputed, std::move(step), std::move(name), std::move(value),
               std::move(inputs));
}

Phrase MoreLine(std::size_t more) { return Words(kContext, kMore, Number(more)); }

std::string ExplanationText(const Explanation& explanation, const std::vector<SignalRow>& rows) {
  std::string text = QuestionLine(explanation, rows).English() + '\n';
  for (const ExplainedEvent& event : explanation.events) {
    text += EventLine(event, rows).English() + '\n';
  }
  if (explanation.more > 0) text += MoreLine(explanation.more).English() + '\n';
  return text;
}

}  // namespace tessara
