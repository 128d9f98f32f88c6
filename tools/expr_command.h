// `tessara-sim expr FILE`: each output's formula and minimal sum of products
// (io/expression_text.h).
#pragma once

#include <ostream>

#include "arguments.h"

namespace tessara::tool {

// Loads FILE and prints the two lines of each of its outputs; a file that cannot be read
// gives its reason on err and exit status 1, else 0.
int ExprCommand(const Command& command, std::ostream& out, std::ostream& err);

}  // namespace tessara::tool
