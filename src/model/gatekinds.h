// New gates. Code outside the model names no gate class: it asks MakeGate for a new
// object of a kind and talks to it through `Gate`; what a kind is and does is its row
// of kinds.h.
#pragma once

#include <memory>

#include "model/gate.h"

namespace tessara {

// A new object of the kind with this type code (0 and 2..10), in its initial state:
// at (0, 0), not used, orientation 0, output and inputs False. Returns nullptr for
// any other code.
std::unique_ptr<Gate> MakeGate(std::int32_t typeCode);
// A new gate of the kind `kind` (a row of kKinds or of another table of kinds, which
// must outlive it), in the same initial state.
std::unique_ptr<Gate> MakeGate(const KindFacts& kind);

}  // namespace tessara
