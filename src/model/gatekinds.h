// The ten kinds of gate. Code outside the model names none of them: it asks
// MakeGate for a new object of a type code and talks to it through `gate`; what a
// kind is called and how many inputs it has is in its row of kinds.h.
#pragma once

#include <memory>

#include "model/gate.h"

namespace tessara {

// A new object of the kind with this type code (0 and 2..10), in its initial state:
// at (0, 0), not used, orientation 0, output and inputs False. Returns nullptr for
// any other code.
std::unique_ptr<Gate> MakeGate(std::int32_t typeCode);

}  // namespace tessara
