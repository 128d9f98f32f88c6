// A gate plan (sim/gate_plan.h) laid out on the canvas as a textbook draws it: the
// inputs in the left column, I1 at the top; the outputs in the right column, O1 at the
// top; each gate in the column of its depth from the inputs, every gate upright, each
// column ordered by where its gates' signals come from, so that links stay short and
// cross little. A link to the next column is one straight segment across the channel
// between the two; a link that passes columns runs along a level of its own through
// gaps between their gates, bent at nodes in the channels at either end, so no link
// crosses a gate. No two gates or nodes overlap, and everything lies on the canvas
// (model/canvas.h).
//
// Standard library only. Costs a few passes over the plan's gates, and for each link
// that passes columns a look along the canvas's height.
#pragma once

#include <optional>

#include "model/document.h"
#include "model/phrase.h"
#include "sim/gate_plan.h"

namespace tessara {

struct LaidOut {
  std::optional<Document> document;  // the circuit, slots from 0: inputs, gates, outputs,
                                     // then nodes; links from link slot 0
  Phrase reason;                     // meaningful only without a document
  bool tooDeep = false;  // refused for its columns of gates alone: a shallower plan may fit
};

// The circuit of plan, or why it does not fit (phrases of context "Build"): "this
// circuit needs 63 places; a circuit holds 51" (gates, inputs, outputs and nodes
// together), the same for links, "this circuit needs 9 columns of gates; the canvas
// holds 7", "this circuit needs 11 places in one column; the canvas holds 10", or "this
// circuit's links find no way between its gates" when the gaps are too narrow.
LaidOut LayOut(const GatePlan& plan);

}  // namespace tessara
