#include "summary.h"

#include <algorithm>

#include "model/kinds.h"
#include "used_slots.h"

namespace tessara::tool {
namespace {

// The logic gates in the order the summary lists them.
std::vector<const KindFacts*> SummaryOrder() {
  std::vector<const KindFacts*> order;
  for (const KindFacts& kind : kKinds) {
    if (kind.summaryPlace > 0) order.push_back(&kind);
  }
  std::sort(order.begin(), order.end(), [](const KindFacts* a, const KindFacts* b) {
    return a->summaryPlace < b->summaryPlace;
  });
  return order;
}

std::string Count(int count, const std::string& noun) {
  return std::to_string(count) + ' ' + noun + (count == 1 ? "" : "s");
}

}  // namespace

Counts CountSlots(const Document& doc) {
  Counts counts;
  for (const KindFacts* kind : SummaryOrder()) {
    int present = 0;
    for (std::int16_t slot : UsedSlots(doc))
      present += doc.Gates(slot).GetType() == kind->code ? 1 : 0;
    if (present > 0) counts.kinds.emplace_back(kind->word, present);
    counts.gates += present;
  }
  for (std::int16_t slot : UsedSlots(doc)) {
    const Gate& g = doc.Gates(slot);
    counts.inputs += HasRole(g, KindRole::Input) ? 1 : 0;
    counts.outputs += HasRole(g, KindRole::Output) ? 1 : 0;
    counts.nodes += HasRole(g, KindRole::Node) ? 1 : 0;
  }
  for (std::int16_t i = 0; i < kSlotCount; ++i) counts.links += doc.Links(i).GetUsed() ? 1 : 0;
  return counts;
}

std::string Summary(const std::string& name, const Counts& counts) {
  std::string kinds;
  for (const auto& [kind, count] : counts.kinds) {
    kinds += (kinds.empty() ? " (" : ", ") + std::to_string(count) + ' ' + kind;
  }
  if (!kinds.empty()) kinds += ')';
  return name + ": " + Count(counts.gates, "gate") + kinds + ", " + Count(counts.inputs, "input") +
         ", " + Count(counts.outputs, "output") + ", " + Count(counts.nodes, "node") + ", " +
         Count(counts.links, "link");
}

}  // namespace tessara::tool
