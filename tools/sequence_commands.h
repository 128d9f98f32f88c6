// `tessara-sim play` and `tessara-sim trace --sequence`: the run of a sequence
// (sim/sequence_run.h, io/sequence_text.h) written back as a sequence or as a trace.
#pragma once

#include <ostream>

#include "arguments.h"

namespace tessara::tool {

// Plays the sequence in operands[1] ("-": standard input) on the circuit in operands[0]
// within --max-steps and prints the sequence again with the circuit's outputs in place
// of the expected cells. A file that cannot be used, or a sequence whose counts are not
// the circuit's (the counts line), is refused on err. Returns the exit status.
int Play(const Command& command, std::ostream& out, std::ostream& err);

// Writes the trace of the run of the sequence named by --sequence on the circuit in
// operands[0]: the header, "load", then "tI<n>" per toggle and "p" per prop step, each
// with the values. Returns the exit status.
int TraceSequence(const Command& command, std::ostream& out, std::ostream& err);

}  // namespace tessara::tool
