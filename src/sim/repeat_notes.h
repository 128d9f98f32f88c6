// How a run repeats, in the words the window and tessara-sim show: the note on each row
// of a truth table (settled exactly, sim/settle.h) and the timeline's note on the
// stretch of a recorded run it is looking at (sim/run_history.h). Each note is a phrase
// of context "Repeats" (model/phrase.h); tessara-sim writes it in English.
#pragma once

#include "model/phrase.h"
#include "sim/run_history.h"
#include "sim/settle.h"
#include "sim/truth_table.h"

namespace tessara {

// "settles after K steps" for a period of 1, else "repeats every P steps from step K";
// "no repeat within <bound> steps" for a row that did not repeat within the bound it
// was followed to.
Phrase RowRepeatNote(const TableRow& row, int bound = kSettleBound);

// "settled at step K" for a period of 1, else "repeats every P steps from step K".
Phrase RepeatNote(const Repeat& repeat);

}  // namespace tessara
