// Where a link line's ends lie: at a node's corner, or at a gate's pins on its
// 800-twip cell (model/cell.h). Output pin at the middle of the output side; input n at
// GetInputOffset(n) along the input side, from the top or left end.
#include <cassert>
#include <optional>

#include "model/cell.h"
#include "model/kinds.h"
#include "view/display.h"

namespace tessara {
namespace {

using Point = TwipsXY;

// The upright gate's output pin, at the middle of its right side.
constexpr CellPoint kUprightOutput{kCellSize, kHalfCell};

// The upright point p of gate g's cell, turned with the gate and placed at its location;
// nothing for an orientation outside 0..3.
std::optional<Point> OnCell(const Gate& g, CellPoint p) {
  const std::optional<CellPoint> turned = FromUpright(p, g.GetOrientation());
  if (!turned) return std::nullopt;
  return Point{g.GetX() + turned->x, g.GetY() + turned->y};
}

// Input pin num, GetInputOffset(num) down the upright gate's left side.
std::optional<Point> InputPin(const Gate& g, std::int16_t num) {
  return OnCell(g, {0, g.GetInputOffset(num)});
}

Point Corner(const Gate& g) { return Point{g.GetX(), g.GetY()}; }

}  // namespace

std::optional<TwipsXY> OutputPin(const Gate& g) { return OnCell(g, kUprightOutput); }

std::optional<TwipsXY> LineStart(const Document& doc, std::int16_t index) {
  const Link& link = doc.Links(index);
  assert(IsSlotIndex(link.Source));
  const Gate& source = doc.Gates(link.Source);
  return link.FromNode ? Corner(source) : OutputPin(source);
}

void SetLineStart(const Document& doc, Screen& screen, std::int16_t index) {
  if (auto p = LineStart(doc, index)) {
    screen.LinkLine(index).SetX1(p->x);
    screen.LinkLine(index).SetY1(p->y);
  }
}

std::optional<TwipsXY> LineStop(const Document& doc, std::int16_t index) {
  const Link& link = doc.Links(index);
  assert(IsSlotIndex(link.Target));
  const Gate& target = doc.Gates(link.Target);
  return link.ToNode ? Corner(target) : InputPin(target, link.TargetInput);
}

std::optional<TwipsXY> InputPlacePoint(const Gate& g, int place) {
  return HasRole(g, KindRole::Node) ? Corner(g) : InputPin(g, static_cast<std::int16_t>(place));
}

void SetLineStop(const Document& doc, Screen& screen, std::int16_t index) {
  if (auto p = LineStop(doc, index)) {
    screen.LinkLine(index).SetX2(p->x);
    screen.LinkLine(index).SetY2(p->y);
  }
}

}  // namespace tessara
