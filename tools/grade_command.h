// `tessara-sim grade`: a whole class of circuit files against one expected answer, in
// parallel, reported as text, JSON or JUnit XML (grade_reports.h).
#pragma once

#include <ostream>

#include "arguments.h"

namespace tessara::tool {

// Reads EXPECTED (operands[0]; "-": standard input), then grades every circuit file
// the other operands name (a folder: its *.cir files) on --jobs threads (default: the
// machine's cores), each within --max-steps and --time-limit, and prints the report in
// the order of the operands. Returns 0 when every file is the same, 1 when EXPECTED
// cannot be used (reason on err) or any file failed, else 3.
int GradeCommand(const Command& command, std::ostream& out, std::ostream& err);

}  // namespace tessara::tool
