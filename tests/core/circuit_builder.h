// Builds circuits as the editor does, in slots the test chooses.
#pragma once
#include <numeric>
#include <utility>
#include <vector>

#include "model/document.h"
#include "model/gatekinds.h"

namespace tessara::testing {
class CircuitBuilder {
 public:
  // Gate n placed goes into gateSlots[n], segment n into linkSlots[n]; slot order by default.
  explicit CircuitBuilder(Document& doc, std::vector<Integer> gateSlots = SlotOrder(),
                          std::vector<Integer> linkSlots = SlotOrder())
      : doc_(doc), gate_slots_(std::move(gateSlots)), link_slots_(std::move(linkSlots)) {}
  static std::vector<Integer> SlotOrder() {
    std::vector<Integer> slots(kSlotCount);
    std::iota(slots.begin(), slots.end(), Integer{0});
    return slots;
  }
  // A used gate of kind code placed at (x, y); returns its slot.
  Integer Gate(Long code, Single x = 2000, Single y = 1200) {
    const Integer slot = gate_slots_.at(gates_++);
    doc_.PutGate(slot, MakeGate(code));
    doc_.SetObject(slot, x, y);
    doc_.Gates(slot).SetUsed(true);
    return slot;
  }
  // Links from's output to input `input` of to through `bends` new nodes; returns the
  // node slots in order from the source.
  std::vector<Integer> Link(Integer from, Integer to, Integer input, int bends = 0) {
    std::vector<Integer> nodes;
    linkgates* previous = nullptr;
    for (int i = 0; i <= bends; ++i) {
      linkgates& segment = doc_.Links(link_slots_.at(links_++));
      if (previous) previous->LinkTo = link_slots_.at(links_ - 1);
      segment.StartIsNode = previous != nullptr;
      segment.StopIsNode = i < bends;
      const Integer stop = segment.StopIsNode ? nodes.emplace_back(Gate(kBufferGate)) : to;
      segment.SetStart(previous ? previous->StopIndex : from, 0);
      segment.SetStop(stop, segment.StopIsNode ? Integer{0} : input);
      segment.SetUsed(true);
      previous = &segment;
    }
    return nodes;
  }

 private:
  Document& doc_;
  std::vector<Integer> gate_slots_, link_slots_;
  std::size_t gates_ = 0, links_ = 0;
};
}  // namespace tessara::testing
