// The check of a sequence answer (io/sequence_text.h), which lives in the Timeline: the
// sequence played on the circuit from power-up, each row's reading step marked with a
// tick or, where it differs, a red mark, and a summary. The check is made off the event
// thread over a copy of the circuit (CheckSequence); the acts below put its run into the
// form as the powered run that Step Back, the timeline and Why use. The texts are
// phrases in context "Comparison" (the counts line in "Grading").
#pragma once

#include <cstddef>
#include <optional>
#include <stop_token>
#include <vector>

#include "editor/form.h"

namespace tessara {

struct RowMark {
  std::size_t step = 0;  // the run's step at which the row was read
  bool differs = false;
  std::int16_t output = -1;  // a differing row's first differing output's slot
  Phrase line;               // "Row 3 (step 14): expected 1, got 0", "Row 1 (step 3): matches"
};

struct SequenceCheck {
  Phrase summary;              // "All 6 rows match", "2 of 6 rows differ", or the counts line
  std::vector<RowMark> marks;  // one per row when the counts agree, else none
  // The run from the circuit as loaded (step 0), every toggle and prop step recorded;
  // kept as a run's history keeps it, the oldest steps beyond its cap dropped.
  RunHistory run;
};

// Plays expected on circuit (a copy the caller owns) as `tessara-sim compare` does;
// nothing when stop came first. Costs one settling per row, and the run's steps kept
// (at most RunHistory's cap).
std::optional<SequenceCheck> CheckSequence(const Sequence& expected, const Document& circuit,
                                           std::stop_token stop);

// Makes check's run the form's powered run (powering up as Power Up does when off), at
// its last step. Requires check made on the form's circuit. Refreshes.
void PlaySequence(Form& form, const SequenceCheck& check);
// Plays check's run as PlaySequence does and goes to the reading step of mark; a red
// mark's first differing output is then asked Why, and OpenWhy returned; otherwise
// Nothing. Requires mark < check.marks.size().
Follows OnSequenceMark(Form& form, const SequenceCheck& check, std::size_t mark);

}  // namespace tessara
