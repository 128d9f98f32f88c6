// The ten kinds of gate. Code outside the model names none of them: it asks
// MakeGate for a new object of a type code and talks to it through `gate`.
#pragma once

#include <memory>
#include <string_view>

#include "model/gate.h"

namespace tessara {

// A new object of the kind with this type code (0 and 2..10), in its initial state:
// at (0, 0), not used, orientation 0, output and inputs False. Returns nullptr for
// any other code.
std::unique_ptr<gate> MakeGate(Long typeCode);

// The input places a kind's logic reads: 2 for AND, OR, NAND, NOR and XOR; 1 for NOT,
// circuit output and node; 0 for circuit input (set by its toggle) and any other code.
int InputCount(Long typeCode);

// The input place, 0..InputCount - 1, that a link with input number num lands on at a
// gate of this kind (where SetInputValue stores it and the logic reads it): 0 on a
// one-input kind whatever num is, num itself for 0 and 1 on a two-input kind; -1 for
// any other number or kind.
int LandingPlace(Long typeCode, Integer num);

// The word reports use for a kind: "and", "or", "not", "input", "output", "node",
// "nand", "nor" or "xor" for the type codes 2..10; "?" for any other code.
std::string_view KindName(Long typeCode);

}  // namespace tessara
