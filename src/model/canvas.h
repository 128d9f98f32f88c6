// Where things may lie on the canvas, in twips: its size, the input and output
// columns, and the band of x a gate keeps to between them.
#pragma once

#include "model/types.h"

namespace tessara {

inline constexpr float kCanvasWidth = 8985;
inline constexpr float kCanvasHeight = 8000;
// Circuit inputs stand at x = 0, outputs at x = kOutputColumnX.
inline constexpr float kOutputColumnX = 8200;
// A gate's x stays within this band, clear of the input column (0..800).
inline constexpr float kMinGateX = 800;
inline constexpr float kMaxGateX = 7400;

}  // namespace tessara
