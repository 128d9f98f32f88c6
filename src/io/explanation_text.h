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
// Each line is a phrase (model/phrase.h) of context "Explanation" that a window may
// translate; the names, values and step numbers in it are names, never translated.
#pragma once

#include <string>
#include <vector>

#include "model/document.h"
#include "model/phrase.h"
#include "sim/explanation.h"
#include "sim/signal_rows.h"

namespace tessara {

// "O2 = 1 at step 4". rows: SignalRows of the circuit explained.
Phrase QuestionLine(const Explanation& explanation, const std::vector<SignalRow>& rows);

// One event's line, as above, without a line end. Given places (the circuit explained, as
// the window shows it), each input is named by its place instead of its number:
// "step 4: O2 became 1: upper input = 1 from AND g3 at step 3" with LearnerRows.
Phrase EventLine(const ExplainedEvent& event, const std::vector<SignalRow>& rows,
                 const Document* places = nullptr);

// "... N more".
Phrase MoreLine(std::size_t more);

// The question, each listed event and, when events were left out, the count of the
// rest: one line each, each ending '\n', in English.
std::string ExplanationText(const Explanation& explanation, const std::vector<SignalRow>& rows);

}  // namespace tessara
