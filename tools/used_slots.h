// The gate slots that belong to the circuit, the common ground of every report.
#pragma once

#include <vector>

#include "model/document.h"

namespace tessara::tool {

// The used gate slots in increasing order.
inline std::vector<std::int16_t> UsedSlots(const Document& doc) {
  std::vector<std::int16_t> slots;
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    if (doc.Gates(i).GetUsed()) slots.push_back(i);
  }
  return slots;
}

}  // namespace tessara::tool
