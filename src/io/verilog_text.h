// A circuit as a Verilog-2001 module that behaves as the simulator does, step for step,
// and a testbench that prints what `tessara-sim trace` prints.
//
// The module is made by running one propagation step (sim/propagation.h) over names
// instead of values: each gate's output is a register g<slot>, each stored input that a
// step may read before writing it a register s<slot>_<place>, and every value a gate
// computes within the step a wire w<n>. What each place ends the step holding is its
// register's next value, so a rising edge of `step` is exactly one prop step; loops need
// no care, as every gate's output is a register. A register whose next value is its
// own stays 0 (power-up's value) and becomes the constant 1'b0; two registers with the
// same next value are one, so a node that follows its source is a wire. A circuit
// input's output is its port I<n> (T<slot> for an input slot that is no circuit input)
// exclusive-or a register that takes what a step leaves it, so a toggle of the port
// flips it at once. `power_up` clears every register, as loading does.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/document.h"

namespace tessara {

// The file's base name made a Verilog identifier: letters, digits and '_' kept, any other
// character '_', a leading digit (or nothing) given "c_" before it, a keyword "_c" after.
std::string VerilogModuleName(const std::string& path);

// The module `name`: ports step, power_up, I1.. (and T<slot>), O1..; a comment names each
// gate as the timeline does.
std::string WriteVerilog(const Document& doc, const std::string& name);

// One line of the trace: a toggle of the input in slot (which need not hold one), or
// steps prop steps, each its own line.
struct BenchAction {
  std::string label;  // as the trace prints it: "t3", "tI2", "p"
  std::optional<std::int16_t> toggle;
  int steps = 0;
};

// The testbench module `name`_tb, for the module `name` of WriteVerilog: it powers up,
// $displays the trace's line 1 and "load <values>", then one line per toggle (between
// edges) and per step (one edge each), then $finish.
std::string WriteVerilogTestbench(const Document& doc, const std::string& name,
                                  const std::vector<BenchAction>& actions);

}  // namespace tessara
