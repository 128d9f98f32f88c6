// The state of a run: every gate slot's current output and stored inputs, four bits
// a slot, 26 bytes in all. A prop step is a function of this state alone (the links,
// kinds and positions stay as they are), so a run that meets a state it met before
// repeats from there for ever; equal states can be found by comparing or hashing.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "model/document.h"

namespace tessara {

struct SimState {
  std::array<std::uint8_t, (kSlotCount + 1) / 2> bits{};  // slot i in nibble i % 2 of byte i / 2

  bool operator==(const SimState&) const = default;
  // The signals of slot i as gate::GetSignals reports them.
  std::uint8_t Slot(std::int16_t i) const;
  // The current output of slot i.
  bool Output(std::int16_t i) const { return (Slot(i) & 1) != 0; }
};

// The signals of every slot of doc.
SimState CaptureState(const Document& doc);
// Puts state back into every slot of doc; positions, kinds and links are untouched.
void RestoreState(Document& doc, const SimState& state);

struct SimStateHash {
  std::size_t operator()(const SimState& state) const;
};

}  // namespace tessara
