// `tessara-sim picture`: the circuit's picture, drawn by the window's own drawing code in
// a helper program, tessara-picture, so that tessara-sim links no toolkit.
#pragma once

#include <ostream>

#include "arguments.h"

namespace tessara::tool {

// Loads FILE and checks its tI<n> actions (a usage error on err), then replaces this
// process with tessara-picture (beside this program, or in libexec/tessara of the prefix
// it is installed under) given FILE OUT SCALE ACTION...; returns only when it cannot,
// with exit 1.
int PictureCommand(const Command& command, std::ostream& out, std::ostream& err);

}  // namespace tessara::tool
