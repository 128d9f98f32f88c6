// The circuit model's value widths and codes, shared by every layer.
// The model, propagation and circuit files (model/, sim/, io/) use the standard
// library only; they know nothing of any window toolkit.
#pragma once

#include <cstdint>

namespace tessara {

using Integer = std::int16_t;  // slot indices, input numbers, link members
using Long = std::int32_t;     // type codes, tool codes, orientations
using Single = float;          // coordinates, in twips (1/1440 inch)
using Double = double;         // the file format's version number
using Boolean = bool;          // written to files as #TRUE# / #FALSE#

// Capacity of the document: gate slots and link slots alike, indices 0..50.
inline constexpr Integer kSlotCount = 51;

// Gate type codes, as GetType returns them; a gate tool's code equals the code of
// the kind it places.
inline constexpr Long kNoGate = 0;
inline constexpr Long kAndGate = 2;
inline constexpr Long kOrGate = 3;
inline constexpr Long kNotGate = 4;
inline constexpr Long kInputGate = 5;
inline constexpr Long kOutputGate = 6;
inline constexpr Long kBufferGate = 7;  // a node: the bend point of a link
inline constexpr Long kNandGate = 8;
inline constexpr Long kNorGate = 9;
inline constexpr Long kXorGate = 10;
// The code a circuit file holds for an empty slot (the nogate writes it).
inline constexpr Long kEmptySlotRecord = 11;

// Tool codes beyond the gate type codes. Code 7 (the node kind) is no tool.
inline constexpr Long kSelectTool = 0;
inline constexpr Long kLinkTool = 1;

inline constexpr bool IsSlotIndex(long value) { return value >= 0 && value < kSlotCount; }

}  // namespace tessara
