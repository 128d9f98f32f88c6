// `tessara-sim build`: a laid-out circuit file from expression lines or a truth table
// (io/circuit_builder.h).
#pragma once

#include <ostream>

#include "arguments.h"

namespace tessara::tool {

// Builds from --expr TEXT, --table FILE or FILE (expression lines) in the gate set of
// --gates (any, nand or nor; any by default) and writes the circuit to OUT, the last
// operand. Exit status 0; 1 with the reason on err for a text that cannot be read, a
// circuit that does not fit, a file that cannot be read or written, or a circuit that
// would not compute what was asked; 2 for operands that do not fit the options.
int BuildCommand(const Command& command, std::ostream& out, std::ostream& err);

}  // namespace tessara::tool
