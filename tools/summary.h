// The summary of a circuit that `tessara-sim check` prints.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/document.h"

namespace tessara::tool {

struct Counts {
  // The logic gates of each kind present, in their summary places (model/kinds.h): and
  // nand or nor not xor.
  std::vector<std::pair<std::string, int>> kinds;
  int gates = 0, inputs = 0, outputs = 0, nodes = 0, links = 0;  // used slots of each sort
};

Counts CountSlots(const Document& doc);

// "<name>: <g> gates (2 and, 1 nand), <i> inputs, <o> outputs, <n> nodes, <l> links";
// "0 gates" without a list; a count of 1 takes the singular ("1 node").
std::string Summary(const std::string& name, const Counts& counts);

}  // namespace tessara::tool
