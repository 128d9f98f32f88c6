// `tessara-sim explain`: why a gate holds its value at a step of a run, back to the
// toggles that caused it (sim/explanation.h), as text (io/explanation_text.h) or JSON.
#pragma once

#include <ostream>

#include "arguments.h"

namespace tessara::tool {

// Loads FILE, runs the actions on it as trace does, recording every step, then explains
// TARGET, "NAME" or "NAME@STEP": NAME a row name of the timeline, spaces and letter case
// aside ("AND3", "and 3"), STEP a kept step (default: the last). Prints the lines on out,
// or with --json one JSON object {"tessara": 1, "target", "value", "step", "events",
// "more"}; returns the exit status (a file that cannot be read: 1 with its reason on err;
// a TARGET, STEP or tI<n> the circuit or run does not have: a usage error on err).
int ExplainCommand(const Command& command, std::ostream& out, std::ostream& err);

}  // namespace tessara::tool
