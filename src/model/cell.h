// The 800 x 800 twip cell every gate lies on, from its location (the top-left corner),
// and the four orientations that turn it. Everything about where a gate's pins, halves
// and label lie is said for the upright gate (orientation 0: inputs on the left side,
// input 0 at its upper end, the output on the right) and turned by FromUpright.
#pragma once

#include <array>
#include <optional>

#include "model/types.h"

namespace tessara {

inline constexpr float kCellSize = 800;
inline constexpr float kHalfCell = kCellSize / 2;

// Orientations 0..3 are a quarter turn each. A gate may hold any other value (a file
// can); it then has no pins and no halves, and FromUpright and ToUpright give nothing.
inline constexpr std::int32_t kOrientationCount = 4;
inline constexpr bool IsOrientation(std::int32_t o) { return o >= 0 && o < kOrientationCount; }

// A point on the cell, in twips from its top-left corner.
struct CellPoint {
  float x, y;
};

namespace cell_detail {

// How an orientation turns the upright cell: a point's x and y are swapped when `swap`,
// then x is mirrored across the cell when `flipX` and y when `flipY`.
struct Turn {
  bool swap, flipX, flipY;
};
inline constexpr std::array<Turn, kOrientationCount> kTurns = {{
    {false, false, false},  // 0: upright, output on the right
    {true, false, true},    // 1: a quarter turn anticlockwise, output at the top, input 0 left
    {false, true, false},   // 2: mirrored left to right, output on the left, input 0 at the top
    {true, false, false},   // 3: 1 mirrored top to bottom, output at the bottom, input 0 left
}};

constexpr float Flip(float a, bool flip) { return flip ? kCellSize - a : a; }

}  // namespace cell_detail

// Where point p of the upright cell lies on the cell in orientation o; nothing for an
// orientation outside 0..3.
constexpr std::optional<CellPoint> FromUpright(CellPoint p, std::int32_t o) {
  if (!IsOrientation(o)) return std::nullopt;
  const cell_detail::Turn turn = cell_detail::kTurns[static_cast<std::size_t>(o)];
  const CellPoint swapped = turn.swap ? CellPoint{p.y, p.x} : p;
  return CellPoint{cell_detail::Flip(swapped.x, turn.flipX),
                   cell_detail::Flip(swapped.y, turn.flipY)};
}

// The inverse: the point of the upright cell that lies at p in orientation o; nothing
// for an orientation outside 0..3.
constexpr std::optional<CellPoint> ToUpright(CellPoint p, std::int32_t o) {
  if (!IsOrientation(o)) return std::nullopt;
  const cell_detail::Turn turn = cell_detail::kTurns[static_cast<std::size_t>(o)];
  const CellPoint unflipped{cell_detail::Flip(p.x, turn.flipX), cell_detail::Flip(p.y, turn.flipY)};
  return turn.swap ? CellPoint{unflipped.y, unflipped.x} : unflipped;
}

}  // namespace tessara
