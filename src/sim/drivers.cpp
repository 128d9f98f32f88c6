#include "sim/drivers.h"

#include <optional>

#include "sim/propagation.h"

namespace tessara {
namespace {

// The place a value sent to input number num of g lands on, as SetInputValue stores
// it, when g's function reads that place; -1 when it reads none.
int ReadPlace(const gate& g, Integer num) {
  switch (g.GetType()) {
    case kAndGate:
    case kOrGate:
    case kNandGate:
    case kNorGate:
    case kXorGate:
      return num == 0 || num == 1 ? num : -1;
    case kNoGate:
      return -1;
    default:
      return 0;
  }
}

// Runs the transfer pass over sources instead of values: each node's output and each
// place holds the driver of the value it would hold at that point of the pass.
class TransferPass {
 public:
  explicit TransferPass(const Document& doc) : doc_(doc) {}

  DriverTable Run() {
    for (Integer n = 0; n < kSlotCount; ++n) {
      if (IsNode(n)) nodeIn_[Index(n)] = nodeOut_[Index(n)] = ChainBehind(n);
    }
    for (Integer i = 0; i < kSlotCount; ++i) {
      const linkgates& link = doc_.Links(i);
      if (!link.GetUsed() || !CanCarry(link)) continue;
      if (link.StopIsNode) {
        Walk(i);
      } else {
        Write(i);
      }
    }
    return places_;
  }

 private:
  static std::size_t Index(Integer slot) { return static_cast<std::size_t>(slot); }
  bool IsNode(Integer slot) const { return doc_.Gates(slot).GetType() == kBufferGate; }
  bool IsGate(Integer slot) const {
    const gate& g = doc_.Gates(slot);
    return g.GetUsed() && g.GetType() != kNoGate && g.GetType() != kBufferGate;
  }

  // The last used link in slot order that ends at node, if any.
  std::optional<Integer> LastLinkInto(Integer node) const {
    for (Integer l = kSlotCount - 1; l >= 0; --l) {
      const linkgates& link = doc_.Links(l);
      if (link.GetUsed() && CanCarry(link) && link.StopIndex == node) return l;
    }
    return std::nullopt;
  }

  // Where a node's value comes from before the pass has written it: its chain followed
  // back through the links ending at each node, to a gate or to a bend.
  Driver ChainBehind(Integer node) const {
    Driver driver;
    for (Integer slot = node;;) {
      if (!IsNode(slot)) {
        if (!IsGate(slot)) return {};
        driver.kind = Driver::Kind::Gate;
        driver.slot = slot;
        return driver;
      }
      const std::optional<Integer> into = driver.nodes.test(Index(slot))
                                              ? std::nullopt  // a circle of nodes
                                              : LastLinkInto(slot);
      driver.nodes.set(Index(slot));
      if (!into) {
        driver.kind = Driver::Kind::Bend;
        driver.slot = slot;
        return driver;
      }
      driver.links.set(Index(*into));
      slot = doc_.Links(*into).StartIndex;
    }
  }

  // The driver of what slot's output holds at this point of the pass.
  Driver OutputOf(Integer slot) const {
    if (IsNode(slot)) return nodeOut_[Index(slot)];
    if (!IsGate(slot)) return {};
    return {Driver::Kind::Gate, slot, {}, {}};
  }

  // Link l hands its source's output to its target, as Transfer does.
  void Write(Integer l) {
    const linkgates& link = doc_.Links(l);
    Driver driver = OutputOf(link.StartIndex);
    if (driver.kind != Driver::Kind::NotLinked) driver.links.set(Index(l));
    const Integer target = link.StopIndex;
    if (IsNode(target)) {
      nodeIn_[Index(target)] = driver;
      return;
    }
    const int place = ReadPlace(doc_.Gates(target), link.Stop_Num);
    if (place >= 0) places_[Index(target)][static_cast<std::size_t>(place)] = driver;
  }

  // A segment ending at a node and the ones after it, as PropagateLink walks them:
  // each node takes the value at once and passes it on.
  void Walk(Integer index) {
    for (Integer visited = 0; visited < kSlotCount && IsSlotIndex(index); ++visited) {
      const linkgates& link = doc_.Links(index);
      if (!CanCarry(link)) return;
      Write(index);
      if (!link.StopIsNode) return;
      if (IsNode(link.StopIndex)) {
        Driver& out = nodeOut_[Index(link.StopIndex)];
        out = nodeIn_[Index(link.StopIndex)];
        if (out.kind != Driver::Kind::NotLinked) out.nodes.set(Index(link.StopIndex));
      }
      index = link.LinkTo;
      if (!IsSlotIndex(index) || !doc_.Links(index).GetUsed()) return;
    }
  }

  const Document& doc_;
  std::array<Driver, kSlotCount> nodeIn_{}, nodeOut_{};
  DriverTable places_{};
};

}  // namespace

DriverTable FindDrivers(const Document& doc) { return TransferPass(doc).Run(); }

}  // namespace tessara
