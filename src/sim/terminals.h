// The circuit's inputs and outputs as a learner numbers them: I1, I2, ... and O1,
// O2, ... from the top of the canvas down (by y, ties by the lower slot). Truth
// tables, traces and the timeline all use this order.
#pragma once

#include <vector>

#include "model/document.h"

namespace tessara {

struct Terminals {
  std::vector<std::int16_t> inputs;   // used circuit input slots, I1 first
  std::vector<std::int16_t> outputs;  // used circuit output slots, O1 first
};

Terminals FindTerminals(const Document& doc);

}  // namespace tessara
