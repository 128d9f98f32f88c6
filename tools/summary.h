// The one-line summary of a circuit that `tessara-sim check` prints.
#pragma once

#include <string>

#include "model/document.h"

namespace tessara::tool {

// "<name>: <g> gates, <i> inputs, <o> outputs, <n> nodes, <l> links": the used logic
// gates (AND, OR, NOT, NAND, NOR, XOR), circuit inputs, circuit outputs and nodes,
// and the used link segments; a count of 1 takes the singular ("1 node").
std::string Summary(const std::string& name, const Document& doc);

}  // namespace tessara::tool
