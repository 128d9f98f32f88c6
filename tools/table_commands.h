// `tessara-sim table` and `tessara-sim compare`: truth tables made by the core
// (sim/truth_table.h, io/table_text.h), printed as text or JSON, and compared.
#pragma once

#include <ostream>
#include <string>

#include "arguments.h"
#include "model/document.h"

namespace tessara::tool {

// Prints doc's table, as text (with --timing, each row's timing note) or with --json as
// one JSON object; a circuit with too many inputs is refused on err. Returns the exit
// status.
int Table(const Command& command, const Document& doc, std::ostream& out, std::ostream& err);

// Compares the table of the circuit in command.files[0] with the one in files[1], a
// circuit file or a table text; prints "same", or the differences. Returns the exit
// status: 0 same, 3 different, 1 a file that cannot be used (reason on err).
int Compare(const Command& command, std::ostream& out, std::ostream& err);

}  // namespace tessara::tool
