#include "view/spoken.h"

#include <string>
#include <vector>

#include "model/kinds.h"
#include "sim/drivers.h"

namespace tessara {
namespace {

constexpr const char* kSpoken = "Spoken";  // the translators' context

// Clauses joined by commas: "a, b, c".
Phrase Clauses(std::vector<Phrase> clauses) {
  Phrase joined = std::move(clauses.front());
  for (std::size_t i = 1; i < clauses.size(); ++i) {
    joined = Words(kSpoken, TESSARA_PHRASE("Spoken", "%1, %2"), std::move(joined),
                   std::move(clauses[i]));
  }
  return joined;
}

Phrase Number(std::size_t n) { return Name(std::to_string(n)); }

// "1 gate" or "5 gates".
Phrase Count(std::size_t n, const char* one, const char* many) {
  return n == 1 ? Words(kSpoken, one) : Words(kSpoken, many, Number(n));
}

class Speaker {
 public:
  Speaker(const Scene& scene, const std::vector<SignalRow>& rows)
      : scene_(scene), rows_(rows), drivers_(FindDrivers(scene.doc)) {}

  Spoken Of(std::int16_t slot) const {
    const Gate& g = scene_.doc.Gates(slot);
    const KindFacts* kind = FindKind(g.GetType());
    if (!g.GetUsed() || !kind) return {};
    Spoken spoken;
    std::vector<Phrase> clauses;
    clauses.reserve(4);
    clauses.push_back(Head(slot, *kind));
    if (scene_.doc.PowerOn) {
      spoken.value = g.GetCurrOutput() ? 1 : 0;
      const Phrase value = Number(static_cast<std::size_t>(*spoken.value));
      clauses.push_back(kind->role == KindRole::Logic
                            ? Words(kSpoken, TESSARA_PHRASE("Spoken", "output %1"), value)
                            : value);
    }
    if (kind->role == KindRole::Logic || kind->role == KindRole::Output) {
      clauses.push_back(
          kind->inputs == 2
              ? Words(kSpoken, TESSARA_PHRASE("Spoken", "inputs from %1"),
                      Words(kSpoken, TESSARA_PHRASE("Spoken", "%1 and %2"), Source(slot, 0),
                            Source(slot, 1)))
              : Words(kSpoken, TESSARA_PHRASE("Spoken", "input from %1"), Source(slot, 0)));
    }
    if (kind->role == KindRole::Logic) {
      if (std::vector<Phrase> driven = Driven(slot); !driven.empty()) {
        clauses.push_back(
            Words(kSpoken, TESSARA_PHRASE("Spoken", "drives %1"), ListOf(std::move(driven))));
      }
    }
    spoken.name = Clauses(std::move(clauses));
    spoken.focused = FocusedSlot(scene_) == slot;
    return spoken;
  }

 private:
  // "AND gate 3", "input I1", "output O2", "bend in the link from I1 to AND 3".
  Phrase Head(std::int16_t slot, const KindFacts& kind) const {
    switch (kind.role) {
      case KindRole::Logic:
        return Words(kSpoken, TESSARA_PHRASE("Spoken", "%1 gate %2"),
                     Name(std::string(kind.signal)), Number(static_cast<std::size_t>(slot)));
      case KindRole::Input:
        return Words(kSpoken, TESSARA_PHRASE("Spoken", "input %1"), RowNameOf(slot));
      case KindRole::Output:
        return Words(kSpoken, TESSARA_PHRASE("Spoken", "output %1"), RowNameOf(slot));
      case KindRole::Node:
        break;
    }
    return ThroughBend(slot);
  }

  Phrase RowNameOf(std::int16_t slot) const { return Name(RowName(rows_, slot)); }

  static Phrase Nothing() { return Words(kSpoken, TESSARA_PHRASE("Spoken", "nothing")); }

  // The gate a value comes from by its name, or nothing.
  Phrase SourceName(const Driver& driver) const {
    return driver.kind == Driver::Kind::Gate ? RowNameOf(driver.slot) : Nothing();
  }

  // What reaches place `place` of slot.
  Phrase Source(std::int16_t slot, std::int16_t place) const {
    return SourceName(Drivers(slot)[static_cast<std::size_t>(place)]);
  }

  // The link through a bend: "from" its source "to" the gate whose input it ends at,
  // each nothing when the link has none.
  Phrase ThroughBend(std::int16_t node) const {
    Phrase from = Nothing(), to = Nothing();
    for (const SignalRow& row : rows_) {
      for (const Driver& driver : Drivers(row.slot)) {
        if (!driver.nodes.test(static_cast<std::size_t>(node))) continue;
        from = SourceName(driver);
        to = Name(row.name);
      }
    }
    return Words(kSpoken, TESSARA_PHRASE("Spoken", "bend in the link from %1 to %2"),
                 std::move(from), std::move(to));
  }

  // The named gates some input of which slot drives, in the timeline's order.
  std::vector<Phrase> Driven(std::int16_t slot) const {
    std::vector<Phrase> driven;
    for (const SignalRow& row : rows_) {
      for (const Driver& driver : Drivers(row.slot)) {
        if (driver.kind == Driver::Kind::Gate && driver.slot == slot) {
          driven.push_back(Name(row.name));
          break;
        }
      }
    }
    return driven;
  }

  const std::array<Driver, kReadPlaces>& Drivers(std::int16_t slot) const {
    return drivers_[static_cast<std::size_t>(slot)];
  }

  const Scene& scene_;
  const std::vector<SignalRow>& rows_;
  DriverTable drivers_;
};

}  // namespace

std::array<Spoken, kSlotCount> SpokenSlots(const Scene& scene, const std::vector<SignalRow>& rows) {
  const Speaker speaker(scene, rows);
  std::array<Spoken, kSlotCount> spoken;
  for (std::int16_t i = 0; i < kSlotCount; ++i) spoken[static_cast<std::size_t>(i)] = speaker.Of(i);
  return spoken;
}

Phrase SpokenCanvas(const Scene& scene) {
  std::size_t gates = 0, inputs = 0, outputs = 0;
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    const Gate& g = scene.doc.Gates(i);
    if (!g.GetUsed()) continue;
    gates += HasRole(g.GetType(), KindRole::Logic) ? 1 : 0;
    inputs += HasRole(g.GetType(), KindRole::Input) ? 1 : 0;
    outputs += HasRole(g.GetType(), KindRole::Output) ? 1 : 0;
  }
  Phrase gateCount =
      Count(gates, TESSARA_PHRASE("Spoken", "1 gate"), TESSARA_PHRASE("Spoken", "%1 gates"));
  Phrase inputCount =
      Count(inputs, TESSARA_PHRASE("Spoken", "1 input"), TESSARA_PHRASE("Spoken", "%1 inputs"));
  Phrase outputCount =
      Count(outputs, TESSARA_PHRASE("Spoken", "1 output"), TESSARA_PHRASE("Spoken", "%1 outputs"));
  if (!scene.doc.PowerOn || scene.history.Empty()) {
    return Words(kSpoken, TESSARA_PHRASE("Spoken", "circuit: %1, %2, %3, not powered"),
                 std::move(gateCount), std::move(inputCount), std::move(outputCount));
  }
  return Words(kSpoken, TESSARA_PHRASE("Spoken", "circuit: %1, %2, %3, powered, step %4"),
               std::move(gateCount), std::move(inputCount), std::move(outputCount),
               Number(scene.history.Current()));
}

}  // namespace tessara
