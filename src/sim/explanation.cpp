#include "sim/explanation.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cstring>

#include "sim/signal_rows.h"

namespace tessara {
namespace {

// A set of slots as one word, slot i in bit i: a whole step's questions, changes and
// events are a few instructions each.
using Mask = std::uint64_t;
static_assert(kSlotCount <= 64, "a slot set fits one word");

std::size_t Index(std::int16_t slot) { return static_cast<std::size_t>(slot); }
Mask Bit(std::int16_t slot) { return Mask{1} << slot; }
bool Has(Mask mask, std::int16_t slot) { return (mask >> slot & 1) != 0; }

// The bits 0, 4, 8, ... 60 of word, packed into bits 0 to 15.
Mask PackNibbleBits(Mask word) {
  word &= 0x1111111111111111u;
  word = (word | word >> 3) & 0x0303030303030303u;
  word = (word | word >> 6) & 0x000F000F000F000Fu;
  word = (word | word >> 12) & 0x000000FF000000FFu;
  return (word | word >> 24) & 0xFFFFu;
}

// Every slot's output at one step: bit 0 of each slot's nibble, sixteen slots a word.
Mask Outputs(const SimState& state) {
  if constexpr (std::endian::native == std::endian::little) {
    std::array<Mask, 4> words{};
    std::memcpy(words.data(), state.bits.data(), state.bits.size());
    return PackNibbleBits(words[0]) | PackNibbleBits(words[1]) << 16 |
           PackNibbleBits(words[2]) << 32 | PackNibbleBits(words[3]) << 48;
  } else {
    Mask outputs = 0;
    for (std::int16_t i = 0; i < kSlotCount; ++i) outputs |= Mask{state.Output(i)} << i;
    return outputs;
  }
}

// One explanation: a sweep back from the step asked about, carrying the set of gates
// whose value at the current step is still to be explained.
class Sweep {
 public:
  Sweep(const Document& doc, const RunHistory& history, std::size_t listed)
      : doc_(doc), history_(history), drivers_(FindDrivers(doc)), listed_(listed) {
    const std::vector<SignalRow> rows = SignalRows(doc);
    for (std::size_t r = 0; r < rows.size(); ++r) rank_[Index(rows[r].slot)] = r;
  }

  Explanation Run(std::int16_t slot, std::size_t step) {
    explanation_.slot = slot;
    explanation_.step = step;
    explanation_.value = history_.Step(step).state.Output(slot);
    Mask asked = Bit(slot);
    Mask after = Outputs(history_.Step(step).state);
    for (std::size_t s = step; asked != 0; --s) {
      if (s == history_.First()) {
        AddEvents(s, asked, s == 0 ? EventCause::PowerUp : EventCause::FirstKept, 0);
        break;
      }
      const Mask before = Outputs(history_.Step(s - 1).state);
      const Mask began = asked & (after ^ before);
      after = before;
      if (began == 0) continue;
      const EventCause cause =
          history_.Step(s).cause == StepCause::Toggle ? EventCause::Toggle : EventCause::Prop;
      asked = (asked & ~began) | AddEvents(s, began, cause, before);
    }
    Highlight();
    return std::move(explanation_);
  }

 private:
  // Adds the events of gates `slots` at step s, listed in row order while there is
  // room; returns the gates whose values at step s - 1 they ask about.
  Mask AddEvents(std::size_t s, Mask slots, EventCause cause, Mask before) {
    std::array<std::int16_t, kSlotCount> order{};
    std::size_t count = 0;
    for (Mask rest = slots; rest != 0; rest &= rest - 1) {
      order[count++] = static_cast<std::int16_t>(std::countr_zero(rest));
    }
    if (explanation_.events.size() < listed_) {
      std::sort(
          order.begin(), order.begin() + static_cast<std::ptrdiff_t>(count),
          [this](std::int16_t a, std::int16_t b) { return rank_[Index(a)] < rank_[Index(b)]; });
    }
    eventGates_ |= slots;
    Mask asked = 0;
    for (std::size_t k = 0; k < count; ++k) {
      const std::int16_t g = order[k];
      const bool listing = explanation_.events.size() < listed_;
      if (listing) {
        explanation_.events.push_back({s, g, history_.Step(s).state.Output(g), cause, {}});
      } else {
        ++explanation_.more;
      }
      if (cause == EventCause::Prop) {
        asked |= Decide(s, g, before, listing ? &explanation_.events.back().inputs : nullptr);
      }
    }
    return asked;
  }

  // The deciding inputs of gate g's prop event at step s, each noted for the highlight
  // and, when inputs is given, listed there; returns the gates driving them.
  Mask Decide(std::size_t s, std::int16_t g, Mask before, std::vector<ExplainedInput>* inputs) {
    const std::array<Driver, kReadPlaces>& places = drivers_[Index(g)];
    const std::uint8_t signals = history_.Step(s).state.Slot(g);
    unsigned values = 0;
    for (std::int16_t p = 0; p < kReadPlaces; ++p) {
      const Driver& driver = places[Index(p)];
      const bool value = driver.kind == Driver::Kind::NotLinked ? (signals >> (p + 1) & 1) != 0
                                                                : Has(before, driver.slot);
      values |= unsigned{value} << p;
    }
    assert(doc_.Gates(g).Kind());  // the empty slot's output never changes
    const unsigned deciding = DecidingPlaces(*doc_.Gates(g).Kind(), values);
    decided_[Index(g)] |= deciding;
    Mask drivers = 0;
    for (std::int16_t p = 0; p < kReadPlaces; ++p) {
      if ((deciding >> p & 1) == 0) continue;
      const Driver& driver = places[Index(p)];
      if (driver.kind == Driver::Kind::Gate) drivers |= Bit(driver.slot);
      if (inputs) inputs->push_back({p, (values >> p & 1) != 0, driver.kind, driver.slot, s - 1});
    }
    return drivers;
  }

  void Highlight() {
    for (std::int16_t g = 0; g < kSlotCount; ++g) {
      if (Has(eventGates_, g)) explanation_.gates.set(Index(g));
      for (std::int16_t p = 0; p < kReadPlaces; ++p) {
        const Driver& driver = drivers_[Index(g)][Index(p)];
        if ((decided_[Index(g)] >> p & 1) == 0 || driver.kind == Driver::Kind::NotLinked) continue;
        explanation_.gates.set(Index(driver.slot));
        explanation_.gates |= driver.nodes;
        explanation_.links |= driver.links;
      }
    }
  }

  const Document& doc_;
  const RunHistory& history_;
  const DriverTable drivers_;
  const std::size_t listed_;
  std::array<std::size_t, kSlotCount> rank_{};  // each gate's row in the timeline
  Explanation explanation_;
  Mask eventGates_ = 0;
  std::array<unsigned, kSlotCount> decided_{};  // places that decided any event, per gate
};

}  // namespace

Explanation Explain(const Document& doc, const RunHistory& history, std::int16_t slot,
                    std::size_t step, std::size_t listed) {
  assert(!history.Empty() && step >= history.First() && step <= history.Last());
  assert(IsSlotIndex(slot) && doc.Gates(slot).GetUsed());
  assert(doc.Gates(slot).Kind() && !HasRole(doc.Gates(slot), KindRole::Node));
  return Sweep(doc, history, listed).Run(slot, step);
}

}  // namespace tessara
