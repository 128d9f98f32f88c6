// Where a link line's ends lie: at a node's corner, or at a gate's pins on its
// 800-twip cell. Output pin at the middle of the output side; input n at
// GetInputOffset(n) along the input side, from the top or left end.
#include <cassert>
#include <optional>

#include "view/display.h"

namespace tessara {
namespace {

using Point = TwipsXY;

constexpr Single kHalfCell = kCellSize / 2;

bool IsOrientation(Long o) { return o >= 0 && o <= 3; }

// The gate's output pin; nothing for an orientation outside 0..3.
std::optional<Point> OutputPin(const gate& g) {
  const Single x = g.GetX(), y = g.GetY();
  switch (g.GetOrientation()) {
    case 0:
      return Point{x + kCellSize, y + kHalfCell};
    case 1:
      return Point{x + kHalfCell, y};
    case 2:
      return Point{x, y + kHalfCell};
    case 3:
      return Point{x + kHalfCell, y + kCellSize};
    default:
      return std::nullopt;
  }
}

// Input pin num; nothing (and no offset asked) for an orientation outside 0..3.
std::optional<Point> InputPin(const gate& g, Integer num) {
  const Long o = g.GetOrientation();
  if (!IsOrientation(o)) return std::nullopt;
  const Single x = g.GetX(), y = g.GetY(), d = g.GetInputOffset(num);
  switch (o) {
    case 0:
      return Point{x, y + d};
    case 1:
      return Point{x + d, y + kCellSize};
    case 2:
      return Point{x + kCellSize, y + d};
    default:
      return Point{x + d, y};
  }
}

Point Corner(const gate& g) { return Point{g.GetX(), g.GetY()}; }

}  // namespace

std::optional<TwipsXY> LineStart(const Document& doc, Integer index) {
  const linkgates& link = doc.Links(index);
  assert(IsSlotIndex(link.StartIndex));
  const gate& source = doc.Gates(link.StartIndex);
  return link.StartIsNode ? Corner(source) : OutputPin(source);
}

void SetLineStart(const Document& doc, Screen& screen, Integer index) {
  if (auto p = LineStart(doc, index)) {
    screen.LinkLine(index).SetX1(p->x);
    screen.LinkLine(index).SetY1(p->y);
  }
}

void SetLineStop(const Document& doc, Screen& screen, Integer index) {
  const linkgates& link = doc.Links(index);
  assert(IsSlotIndex(link.StopIndex));
  const gate& target = doc.Gates(link.StopIndex);
  if (auto p = link.StopIsNode ? Corner(target) : InputPin(target, link.Stop_Num)) {
    screen.LinkLine(index).SetX2(p->x);
    screen.LinkLine(index).SetY2(p->y);
  }
}

}  // namespace tessara
