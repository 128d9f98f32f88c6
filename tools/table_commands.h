// `tessara-sim table` and `tessara-sim compare`: truth tables made by the core
// (sim/truth_table.h, io/table_text.h), printed as text or JSON, and compared
// (io/grading.h).
#pragma once

#include <ostream>

#include "arguments.h"

namespace tessara::tool {

// Prints the table of the circuit in the command's one operand: as text a row at a
// time as each is settled (with --timing, each row's note), or with --json one object
// at the end. A file that cannot be used, a circuit with too many inputs and a run past
// --time-limit are refused on err. Returns the exit status.
int Table(const Command& command, std::ostream& out, std::ostream& err);

// Grades the circuit in operands[0] against operands[1], a circuit file or a table text
// ("-": standard input), within --max-steps and --time-limit for the whole run; prints
// "same", the counts line, or each differing row and "D of R rows differ"; with --json
// the file's object. Returns the exit status: 0 same, 3 different, 1 a file that cannot
// be used or a run past its time (reason on err).
int Compare(const Command& command, std::ostream& out, std::ostream& err);

}  // namespace tessara::tool
