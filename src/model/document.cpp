#include "model/document.h"

#include <atomic>
#include <cassert>
#include <utility>

#include "model/canvas.h"
#include "model/gatekinds.h"

namespace tessara {
namespace {

template <typename Slots, typename IsUsed>
std::optional<std::int16_t> LowestFree(const Slots& slots, IsUsed isUsed) {
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    if (!isUsed(slots[static_cast<std::size_t>(i)])) return i;
  }
  return std::nullopt;
}

// The next revision of any document; documents are made on worker threads too.
std::uint64_t NewRevision() {
  static std::atomic<std::uint64_t> last{0};
  return last.fetch_add(1, std::memory_order_relaxed) + 1;
}

}  // namespace

Document::Document() { Reset(); }

Gate& Document::EditGate(std::int16_t i) {
  revision_ = NewRevision();
  return RunGate(i);
}

Link& Document::EditLink(std::int16_t i) {
  revision_ = NewRevision();
  return links_.at(static_cast<std::size_t>(i));
}

void Document::TakeRevision(const Document& other) {
  assert(SameCircuit(other));
  revision_ = other.revision_;
}

void Document::PutGate(std::int16_t i, std::unique_ptr<Gate> g) {
  assert(g != nullptr);
  revision_ = NewRevision();
  gates_.at(static_cast<std::size_t>(i)) = std::move(g);
}

std::optional<std::int16_t> Document::GetFreeGate() const {
  return LowestFree(gates_, [](const std::unique_ptr<Gate>& g) { return g->GetUsed(); });
}

std::optional<std::int16_t> Document::GetFreeLink() const {
  return LowestFree(links_, [](const Link& l) { return l.GetUsed(); });
}

void Document::SetObject(std::int16_t index, float x, float y) {
  Gate& g = EditGate(index);
  g.SetLocation(x, y);
  if (x < kMinGateX) g.SetLocation(kMinGateX, y);
  if (x > kMaxGateX) g.SetLocation(kMaxGateX, y);
}

void Document::Reset() {
  CurrentTool = kSelectTool;
  PowerOn = false;
  for (auto& g : gates_) g = MakeGate(kNoGate);
  links_.fill(Link{});
  revision_ = NewRevision();
}

Document Document::Clone() const {
  Document copy;
  copy.CurrentTool = CurrentTool;
  copy.PowerOn = PowerOn;
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    const Gate& g = Gates(i);
    std::unique_ptr<Gate> twin = MakeGate(g.GetType());
    twin->ReadData(g.GetX(), g.GetY(), g.GetUsed(), g.GetOrientation());
    twin->SetUsed(g.GetUsed());
    twin->SetSignals(g.GetSignals());
    copy.PutGate(i, std::move(twin));
  }
  copy.links_ = links_;
  copy.revision_ = revision_;
  return copy;
}

bool Document::SameCircuit(const Document& other) const {
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    const Gate& a = Gates(i);
    const Gate& b = other.Gates(i);
    if (a.GetType() != b.GetType() || a.GetX() != b.GetX() || a.GetY() != b.GetY() ||
        a.GetUsed() != b.GetUsed() || a.GetOrientation() != b.GetOrientation()) {
      return false;
    }
  }
  return links_ == other.links_;
}

}  // namespace tessara
