// Who drives each input place of a circuit: the source whose value a prop step's
// transfer pass writes there last. The pass takes the used link slots in increasing
// order and walks each segment that ends at a node on through Next, writing as it
// goes (propagation.h), so with one link ending at a place the driver is simply the
// gate at the start of its chain, followed back through the nodes; with several, the
// last writer in that order wins.
//
// Guarantees: a place with no used link landing on it is not linked; a chain that
// leads back to no gate (its first node has no link ending at it, or the chain runs in
// a circle) ends at a bend. The path the value travels, its segments and nodes, comes
// with each driver. A node read before the pass has written it is taken to hold what
// its chain, followed back, carries; in every circuit the editor draws, the pass then
// writes over what it passed on. Costs one pass over the 51 link slots, a few
// microseconds. Never: reads or changes any signal.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>

#include "model/document.h"

namespace tessara {

// A set of gate or link slots, slot i in bit i.
using SlotSet = std::bitset<kSlotCount>;

// The input places a kind's function reads: 0 and 1 for the two-input kinds, 0 for
// NOT, circuit inputs and outputs and nodes.
inline constexpr std::int16_t kReadPlaces = 2;

struct Driver {
  enum class Kind : std::uint8_t {
    NotLinked,  // no used link lands on the place (or its chain starts at an empty slot)
    Gate,       // the value of gate `slot`, a used gate that is no node
    Bend,       // the value node `slot` held, the first node of a chain before which no gate is
  };
  Kind kind = Kind::NotLinked;
  std::int16_t slot = -1;  // Gate, Bend: the source's slot
  SlotSet links;           // the link segments the value travels along, from its source
  SlotSet nodes;           // the nodes it crosses
};

// Drivers of every gate slot's places, [slot][place]; places a kind does not read,
// and every place of an empty slot, are not linked.
using DriverTable = std::array<std::array<Driver, kReadPlaces>, kSlotCount>;

DriverTable FindDrivers(const Document& doc);

}  // namespace tessara
