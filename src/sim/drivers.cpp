#include "sim/drivers.h"

#include <optional>

#include "sim/propagation.h"

namespace tessara {
namespace {

// The place a value sent to input number num of g lands on, as SetInputValue stores
// it, when g's function reads that place; -1 when it reads none.
int ReadPlace(const Gate& g, std::int16_t num) {
  return g.Kind() ? CarriedPlace(*g.Kind(), num) : -1;
}

// Runs the transfer pass over sources instead of values: each node's output and each
// place holds the driver of the value it would hold at that point of the pass.
class TransferPass {
 public:
  explicit TransferPass(const Document& doc) : doc_(doc) {}

  DriverTable Run() {
    for (std::int16_t n = 0; n < kSlotCount; ++n) {
      if (IsNode(n)) nodeIn_[Index(n)] = nodeOut_[Index(n)] = ChainBehind(n);
    }
    for (std::int16_t i = 0; i < kSlotCount; ++i) {
      const Link& link = doc_.Links(i);
      if (!link.GetUsed() || !CanCarry(link)) continue;
      if (link.ToNode) {
        Walk(i);
      } else {
        Write(i);
      }
    }
    return places_;
  }

 private:
  static std::size_t Index(std::int16_t slot) { return static_cast<std::size_t>(slot); }
  bool IsNode(std::int16_t slot) const { return HasRole(doc_.Gates(slot), KindRole::Node); }
  bool IsGate(std::int16_t slot) const {
    const Gate& g = doc_.Gates(slot);
    return g.GetUsed() && g.Kind() && !HasRole(g, KindRole::Node);
  }

  // The last used link in slot order that ends at node, if any.
  std::optional<std::int16_t> LastLinkInto(std::int16_t node) const {
    for (std::int16_t l = kSlotCount - 1; l >= 0; --l) {
      const Link& link = doc_.Links(l);
      if (link.GetUsed() && CanCarry(link) && link.Target == node) return l;
    }
    return std::nullopt;
  }

  // Where a node's value comes from before the pass has written it: its chain followed
  // back through the links ending at each node, to a gate or to a bend.
  Driver ChainBehind(std::int16_t node) const {
    Driver driver;
    for (std::int16_t slot = node;;) {
      if (!IsNode(slot)) {
        if (!IsGate(slot)) return {};
        driver.kind = Driver::Kind::Gate;
        driver.slot = slot;
        return driver;
      }
      const std::optional<std::int16_t> into = driver.nodes.test(Index(slot))
                                                   ? std::nullopt  // a circle of nodes
                                                   : LastLinkInto(slot);
      driver.nodes.set(Index(slot));
      if (!into) {
        driver.kind = Driver::Kind::Bend;
        driver.slot = slot;
        return driver;
      }
      driver.links.set(Index(*into));
      slot = doc_.Links(*into).Source;
    }
  }

  // The driver of what slot's output holds at this point of the pass.
  Driver OutputOf(std::int16_t slot) const {
    if (IsNode(slot)) return nodeOut_[Index(slot)];
    if (!IsGate(slot)) return {};
    return {Driver::Kind::Gate, slot, {}, {}};
  }

  // Link l hands its source's output to its target, as Transfer does.
  void Write(std::int16_t l) {
    const Link& link = doc_.Links(l);
    Driver driver = OutputOf(link.Source);
    if (driver.kind != Driver::Kind::NotLinked) driver.links.set(Index(l));
    const std::int16_t target = link.Target;
    if (IsNode(target)) {
      nodeIn_[Index(target)] = driver;
      return;
    }
    const int place = ReadPlace(doc_.Gates(target), link.TargetInput);
    if (place >= 0) places_[Index(target)][static_cast<std::size_t>(place)] = driver;
  }

  // A segment ending at a node and the ones after it, as PropagateLink walks them:
  // each node takes the value at once and passes it on.
  void Walk(std::int16_t index) {
    for (std::int16_t visited = 0; visited < kSlotCount && IsSlotIndex(index); ++visited) {
      const Link& link = doc_.Links(index);
      if (!CanCarry(link)) return;
      Write(index);
      if (!link.ToNode) return;
      if (IsNode(link.Target)) {
        Driver& out = nodeOut_[Index(link.Target)];
        out = nodeIn_[Index(link.Target)];
        if (out.kind != Driver::Kind::NotLinked) out.nodes.set(Index(link.Target));
      }
      index = link.Next;
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
