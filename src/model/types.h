// The circuit model's value widths and codes, shared by every layer.
// The model, propagation and circuit files (model/, sim/, io/) use the standard
// library only; they know nothing of any window toolkit.
#pragma once

#include <cstdint>

namespace tessara {

// Capacity of the document: gate slots and link slots alike, indices 0..50.
inline constexpr std::int16_t kSlotCount = 51;

// Gate type codes, as GetType returns them; a gate tool's code equals the code of
// the kind it places.
inline constexpr std::int32_t kNoGate = 0;
inline constexpr std::int32_t kAndGate = 2;
inline constexpr std::int32_t kOrGate = 3;
inline constexpr std::int32_t kNotGate = 4;
inline constexpr std::int32_t kInputGate = 5;
inline constexpr std::int32_t kOutputGate = 6;
inline constexpr std::int32_t kBufferGate = 7;  // a node: the bend point of a link
inline constexpr std::int32_t kNandGate = 8;
inline constexpr std::int32_t kNorGate = 9;
inline constexpr std::int32_t kXorGate = 10;
// The code a circuit file holds for an empty slot (the EmptySlot writes it).
inline constexpr std::int32_t kEmptySlotRecord = 11;

// Tool codes beyond the gate type codes. Code 7 (the node kind) is no tool.
inline constexpr std::int32_t kSelectTool = 0;
inline constexpr std::int32_t kLinkTool = 1;

inline constexpr bool IsSlotIndex(long value) { return value >= 0 && value < kSlotCount; }

}  // namespace tessara
