// The window's words for gates and their inputs, where tessara-sim keeps its formats. A
// gate is named by its kind and a short tag that cannot be read as an operator ("AND g3",
// the tag drawn beside the gate on the canvas while a text refers to it), and an input by
// its place as the learner sees it: "upper input" and "lower input" of a two-input gate
// ("left input" and "right input" when it is turned a quarter), "input" of a NOT or an
// output. Places are phrases of context "Words"; names stay as they are.
#pragma once

#include <string>
#include <vector>

#include "model/document.h"
#include "model/phrase.h"
#include "sim/signal_rows.h"

namespace tessara {

// The tag of the logic gate in slot: "g" and the slot number, as tessara-sim numbers it.
std::string GateTag(std::int16_t slot);

// "AND g3" for a logic gate; the row's name ("I1", "O2") for the others.
std::string LearnerGateName(const Document& doc, std::int16_t slot);

// rows with each logic gate's name as LearnerGateName gives it.
std::vector<SignalRow> LearnerRows(std::vector<SignalRow> rows, const Document& doc);

// Input place (0 or 1) of the gate in slot, by where its picture shows it.
Phrase InputPlace(const Document& doc, std::int16_t slot, int place);

}  // namespace tessara
