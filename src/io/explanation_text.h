// An explanation (sim/explanation.h) as the lines `tessara-sim explain` prints and the
// window shows, gates named as the timeline names its rows ("I1", "AND 3", "O2"):
//
//   O2 = 1 at step 4                                                the question
//   step 4: O2 became 1: input 0 = 1 from AND 3 at step 3           a prop event
//   step 3: AND 3 became 0: input 1 = 0, not linked                 its deciding inputs only
//   step 3: XOR 2 became 1: input 0 = 1 from a bend with no gate before it
//   step 2: I1 became 1: toggled                                    a toggle
//   step 0: O1 = 0 at power-up                                      held since power-up
//   step 7: O1 = 0 at the first kept step                           held since dropped steps
//   ... 12 more                                                     events beyond those listed
//
// Each line is made from fixed phrases, English patterns with %1, %2, ... where the
// names, values and step numbers go. A window may translate them: every line takes a
// Translate that turns a pattern into the one to fill (the window's translations of
// context kPhraseContext); the names are never translated.
#pragma once

#include <string>
#include <vector>

#include "sim/explanation.h"
#include "sim/signal_rows.h"

namespace tessara {

// The translators' context of the phrases.
inline constexpr const char* kPhraseContext = "Explanation";

// Returns the pattern to fill in place of english, one of this file's patterns; a %n it
// leaves out is left out of the line.
using Translate = std::string (*)(const char* english);
std::string KeepEnglish(const char* english);

// "O2 = 1 at step 4". rows: SignalRows of the circuit explained.
std::string QuestionLine(const Explanation& explanation, const std::vector<SignalRow>& rows,
                         Translate translate = KeepEnglish);

// One event's line, as above, without a line end.
std::string EventLine(const ExplainedEvent& event, const std::vector<SignalRow>& rows,
                      Translate translate = KeepEnglish);

// "... N more".
std::string MoreLine(std::size_t more, Translate translate = KeepEnglish);

// The question, each listed event and, when events were left out, the count of the
// rest: one line each, each ending '\n', in English.
std::string ExplanationText(const Explanation& explanation, const std::vector<SignalRow>& rows);

}  // namespace tessara
