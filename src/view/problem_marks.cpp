// Where each warning of `check` is marked on the canvas.
#include "io/circuit_warnings.h"
#include "model/cell.h"
#include "model/kinds.h"
#include "view/display.h"

namespace tessara {
namespace {

constexpr Single kRingRadius = 90;    // twips, 6 pixels
constexpr Single kOutlineGap = 45;    // a node's dashed outline around its marker
constexpr Single kOutlineWider = 45;  // the solid outline around the dashed one's box

ProblemMark Ring(std::optional<TwipsXY> at, const gate& fallback) {
  const TwipsXY p = at.value_or(TwipsXY{fallback.GetX(), fallback.GetY()});
  constexpr Single kSide = 2 * kRingRadius;
  return {MarkShape::Ring, p.x - kRingRadius, p.y - kRingRadius, kSide, kSide, {}};
}

// The box a gate stands in: its cell, or a node's marker with a gap around it.
ProblemMark Around(const gate& g, MarkShape shape) {
  if (g.GetType() == kBufferGate) {
    constexpr Single kSide = kNodeMarkerSize + 2 * kOutlineGap;
    return {shape, g.GetX() - kOutlineGap, g.GetY() - kOutlineGap, kSide, kSide, {}};
  }
  return {shape, g.GetX(), g.GetY(), kCellSize, kCellSize, {}};
}

ProblemMark Place(const Document& doc, const CircuitWarning& w) {
  const gate& g = doc.Gates(w.gate);
  switch (w.problem) {
    case Problem::InputNotLinked:
    case Problem::InputLinkedTwice:
      return Ring(InputPlacePoint(g, w.input), g);
    case Problem::DrivesNothing:
      return Around(g, MarkShape::DashedOutline);
    case Problem::BadOrientation: {
      ProblemMark mark = Around(g, MarkShape::Outline);
      mark.left -= kOutlineWider, mark.top -= kOutlineWider;
      mark.width += 2 * kOutlineWider, mark.height += 2 * kOutlineWider;
      return mark;
    }
    case Problem::StartsAtEmptySlot:
    case Problem::StartNotANode:
      return Ring(LineStart(doc, w.link), g);
    case Problem::EndsAtEmptySlot:
    case Problem::EndNotANode:
      break;
  }
  return Ring(LineStop(doc, w.link), g);
}

}  // namespace

std::vector<ProblemMark> FindProblemMarks(const Document& doc) {
  std::vector<ProblemMark> marks;
  for (CircuitWarning& warning : FindWarnings(doc)) {
    ProblemMark& mark = marks.emplace_back(Place(doc, warning));
    mark.text = std::move(warning.text);
  }
  return marks;
}

}  // namespace tessara
