// `tessara-sim verilog`: the circuit as a Verilog-2001 module (io/verilog_text.h), with
// --testbench a testbench that prints what `trace` prints for the same actions.
#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>

#include "arguments.h"

namespace tessara::tool {

// Loads FILE and prints its module, then with --testbench the testbench applying the
// ACTIONs as trace does. Exit 1 for a file that cannot be read; a usage error for
// actions without --testbench or a tI<n> the circuit lacks.
int VerilogCommand(const Command& command, std::ostream& out, std::ostream& err);

}  // namespace tessara::tool
