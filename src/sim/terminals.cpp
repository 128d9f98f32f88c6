#include "sim/terminals.h"

#include <algorithm>

namespace tessara {

Terminals FindTerminals(const Document& doc) {
  Terminals terminals;
  for (std::int16_t slot = 0; slot < kSlotCount; ++slot) {
    const Gate& g = doc.Gates(slot);
    if (!g.GetUsed()) continue;
    if (HasRole(g, KindRole::Input)) terminals.inputs.push_back(slot);
    if (HasRole(g, KindRole::Output)) terminals.outputs.push_back(slot);
  }
  // Slots come in increasing order, so a stable sort by y breaks ties by slot.
  auto above = [&doc](std::int16_t a, std::int16_t b) {
    return doc.Gates(a).GetY() < doc.Gates(b).GetY();
  };
  std::stable_sort(terminals.inputs.begin(), terminals.inputs.end(), above);
  std::stable_sort(terminals.outputs.begin(), terminals.outputs.end(), above);
  return terminals;
}

}  // namespace tessara
