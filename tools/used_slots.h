// The gate slots that belong to the circuit, the common ground of every report.
#pragma once

#include <vector>

#include "model/document.h"

namespace tessara::tool {

// The used gate slots in increasing order.
inline std::vector<Integer> UsedSlots(const Document& doc) {
  std::vector<Integer> slots;
  for (Integer i = 0; i < kSlotCount; ++i) {
    if (doc.Gates(i).GetUsed()) slots.push_back(i);
  }
  return slots;
}

}  // namespace tessara::tool
