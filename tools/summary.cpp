#include "summary.h"

#include "used_slots.h"

namespace tessara::tool {
namespace {

std::string Count(int count, const std::string& noun) {
  return std::to_string(count) + ' ' + noun + (count == 1 ? "" : "s");
}

}  // namespace

std::string Summary(const std::string& name, const Document& doc) {
  int gates = 0, inputs = 0, outputs = 0, nodes = 0, links = 0;
  for (Integer slot : UsedSlots(doc)) {
    switch (doc.Gates(slot).GetType()) {
      case kInputGate: ++inputs; break;
      case kOutputGate: ++outputs; break;
      case kBufferGate: ++nodes; break;
      default: ++gates; break;
    }
  }
  for (Integer i = 0; i < kSlotCount; ++i) {
    if (doc.Links(i).GetUsed()) ++links;
  }
  return name + ": " + Count(gates, "gate") + ", " + Count(inputs, "input") + ", " +
         Count(outputs, "output") + ", " + Count(nodes, "node") + ", " + Count(links, "link");
}

}  // namespace tessara::tool
