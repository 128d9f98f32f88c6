// `tessara-sim explain`: why a gate holds its value at a step of a run, back to the
// toggles that caused it (sim/explanation.h), as text (io/explanation_text.h) or JSON.
#pragma once

#include <string>

#include "arguments.h"
#include "model/document.h"

namespace tessara::tool {

struct ExplainOutput {
  std::string text;        // what to print on stdout
  std::string usageError;  // when not empty, the reason TARGET does not fit; text is empty
};

// Runs command.actions on doc as trace does, recording every step, then explains
// command.target, "NAME" or "NAME@STEP": NAME a row name of the timeline, spaces and
// letter case aside ("AND3", "and 3"), STEP a kept step (default: the last). With
// --json, one JSON object {"tessara": 1, "target", "value", "step", "events", "more"}.
// Requires every tI<n> of the actions in range.
ExplainOutput Explain(const Command& command, Document& doc);

}  // namespace tessara::tool
