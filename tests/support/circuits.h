// Building circuits for tests straight into a document, bypassing the editor: a gate
// or a segment in the slot a test names, or a builder that places gates as the editor
// does and draws whole links with their nodes, in slots taken in an order of its own.
#pragma once

#include <numeric>
#include <utility>
#include <vector>

#include "model/document.h"
#include "model/gatekinds.h"

namespace tessara::testing {

// A used gate of kind type in slot, its corner at (x, y) unpinned, turned o times.
inline Gate& PutGate(Document& doc, std::int16_t slot, std::int32_t type, float x, float y,
                     std::int32_t o = 0) {
  doc.PutGate(slot, MakeGate(type));
  doc.EditGate(slot).ReadData(x, y, true, o);
  return doc.EditGate(slot);
}

// A used segment in slot from gate `from` to input `input` of gate `to`.
inline Link& PutLink(Document& doc, std::int16_t slot, std::int16_t from, std::int16_t to,
                     std::int16_t input = 0) {
  Link& link = doc.EditLink(slot);
  link.SetStart(from, 0);
  link.SetStop(to, input);
  link.SetUsed(true);
  return link;
}

// One warning of each kind (io/circuit_warnings.h), in this order: an input (slot 0), an
// AND turned 5 times (1) with input 1 unlinked and input 0 linked twice, an output (2)
// reached by a link marked as ending at a node, a NOR (3) with input 0 unlinked, fed
// from the empty slot 5 and feeding the empty slot 6, and a node (7) that drives
// nothing, reached by a link marked as starting at a node.
inline void PutEveryWarning(Document& doc) {
  PutGate(doc, 0, kInputGate, 0, 1000);
  PutGate(doc, 1, kAndGate, 2000, 1000, 5);
  PutGate(doc, 2, kOutputGate, 8200, 1000);
  PutGate(doc, 3, kNorGate, 4000, 3000);
  PutGate(doc, 7, kBufferGate, 4000, 5000);
  PutLink(doc, 0, 0, 1), PutLink(doc, 1, 0, 1);
  PutLink(doc, 2, 1, 2).ToNode = true;
  PutLink(doc, 3, 5, 3, 1), PutLink(doc, 4, 3, 6);
  PutLink(doc, 5, 0, 7).FromNode = true;
}

// A run that does not repeat within 1,000,000 steps, about a second to settle: a ring
// of 20 stages (an XOR of stages 19 and 2, a NOT, 18 ORs) into an output, no inputs.
inline void PutLongRun(Document& doc) {
  PutGate(doc, 0, kXorGate, 0, 0);
  PutGate(doc, 1, kNotGate, 0, 0);
  for (std::int16_t i = 2; i <= 19; ++i) PutGate(doc, i, kOrGate, 0, 0);
  PutGate(doc, 20, kOutputGate, 8200, 0);
  for (std::int16_t i = 1; i <= 19; ++i) PutLink(doc, i, i - 1, i);
  PutLink(doc, 20, 19, 0, 0);
  PutLink(doc, 21, 2, 0, 1);
  PutLink(doc, 22, 19, 20);
}

class CircuitBuilder {
 public:
  // Gate n placed goes into gateSlots[n], segment n into linkSlots[n]; slot order by default.
  explicit CircuitBuilder(Document& doc, std::vector<std::int16_t> gateSlots = SlotOrder(),
                          std::vector<std::int16_t> linkSlots = SlotOrder())
      : doc_(doc), gate_slots_(std::move(gateSlots)), link_slots_(std::move(linkSlots)) {}
  static std::vector<std::int16_t> SlotOrder() {
    std::vector<std::int16_t> order(kSlotCount);
    std::iota(order.begin(), order.end(), std::int16_t{0});
    return order;
  }
  // A used gate of kind code placed at (x, y) as SetObject places it; returns its slot.
  std::int16_t Place(std::int32_t code, float x = 2000, float y = 1200) {
    const std::int16_t slot = gate_slots_.at(gates_++);
    PutGate(doc_, slot, code, x, y);
    doc_.SetObject(slot, x, y);
    return slot;
  }
  // Links from's output to input `input` of to through `bends` new nodes; returns the
  // node slots in order from the source.
  std::vector<std::int16_t> Wire(std::int16_t from, std::int16_t to, std::int16_t input,
                                 int bends = 0) {
    std::vector<std::int16_t> nodes;
    for (int i = 0; i <= bends; ++i) {
      const bool toNode = i < bends;
      const std::int16_t stop = toNode ? nodes.emplace_back(Place(kBufferGate)) : to;
      Link& segment =
          PutLink(doc_, link_slots_.at(links_++), from, stop, toNode ? std::int16_t{0} : input);
      segment.FromNode = i > 0;
      segment.ToNode = toNode;
      if (toNode) segment.Next = link_slots_.at(links_);  // the next segment's slot
      from = stop;
    }
    return nodes;
  }

 private:
  Document& doc_;
  std::vector<std::int16_t> gate_slots_, link_slots_;
  std::size_t gates_ = 0, links_ = 0;
};

}  // namespace tessara::testing
