#include "picture/artwork/gates.h"

#include <QtMath>
#include <cmath>

namespace tessara::artwork {
namespace {

// The orientation-0 design space and the body every two-input symbol shares: a back
// (input side) at kBack, an outline from kTop to kBottom, a front point at kTip.
constexpr qreal kWidth = 58;
constexpr qreal kHeight = 53;
constexpr qreal kTop = 4;
constexpr qreal kBottom = 49;
constexpr qreal kMid = (kTop + kBottom) / 2;
constexpr qreal kHalf = (kBottom - kTop) / 2;
constexpr qreal kBack = 10;
constexpr qreal kTip = 45;

// Pin stubs: a line two units wide on a whole coordinate covers the rows either side
// of it, so y = 10 is rows 9-10; x from 1 to 57 covers columns 1 to 56.
constexpr qreal kPinStart = 1;
constexpr qreal kPinEnd = 57;
constexpr qreal kInput0 = 10;
constexpr qreal kInput1 = 42;
constexpr qreal kNotInput = 26;
constexpr qreal kOutput = 27;

constexpr qreal kBubble = 3.5;     // radius of the negation circle
constexpr qreal kOrShoulder = 4;   // straight run of the OR's top and bottom edges
constexpr qreal kOrBackDepth = 7;  // how far the OR's concave back reaches in
constexpr qreal kXorGap = 6;       // the XOR's extra back curve lies this far behind

// NOT: a triangle a little smaller than the two-input body.
constexpr qreal kNotTop = 7;
constexpr qreal kNotBottom = 46;
constexpr qreal kNotTip = 42;

// The OR's back is an arc of the circle through (kBack, kTop), (kBack + depth, kMid)
// and (kBack, kBottom).
constexpr qreal kBackRadius = (kHalf * kHalf + kOrBackDepth * kOrBackDepth) / (2 * kOrBackDepth);
constexpr qreal kBackCentreX = kBack + kOrBackDepth - kBackRadius;

QRectF BackCircle(qreal shift) {
  return {kBackCentreX - kBackRadius - shift, kMid - kBackRadius, 2 * kBackRadius, 2 * kBackRadius};
}

qreal BackAngle() { return qRadiansToDegrees(std::asin(kHalf / kBackRadius)); }

// Where the OR's back crosses row y.
qreal OrBackX(qreal y) {
  return kBackCentreX + std::sqrt(kBackRadius * kBackRadius - (y - kMid) * (y - kMid));
}

qreal AndBackX(qreal) { return kBack; }
qreal XorBackX(qreal y) { return OrBackX(y) - kXorGap; }

QPainterPath AndBody() {
  QPainterPath p;
  p.moveTo(kBack, kTop);
  p.lineTo(kTip - kHalf, kTop);
  p.arcTo(QRectF(kTip - 2 * kHalf, kTop, 2 * kHalf, 2 * kHalf), 90, -180);
  p.lineTo(kBack, kBottom);
  p.closeSubpath();
  return p;
}

// The front is two arcs, each tangent to its straight edge, meeting in a point.
QPainterPath OrBody() {
  const qreal shoulder = kBack + kOrShoulder;
  const qreal run = kTip - shoulder;
  const qreal r = (run * run + kHalf * kHalf) / (2 * kHalf);
  const qreal sweep = 90 - qRadiansToDegrees(std::atan2(r - kHalf, run));
  QPainterPath p;
  p.moveTo(kBack, kTop);
  p.lineTo(shoulder, kTop);
  p.arcTo(QRectF(shoulder - r, kTop, 2 * r, 2 * r), 90, -sweep);
  p.arcTo(QRectF(shoulder - r, kBottom - 2 * r, 2 * r, 2 * r), sweep - 90, -sweep);
  p.lineTo(kBack, kBottom);
  p.arcTo(BackCircle(0), -BackAngle(), 2 * BackAngle());
  p.closeSubpath();
  return p;
}

QPainterPath XorBody() {
  QPainterPath p = OrBody();
  p.arcMoveTo(BackCircle(kXorGap), -BackAngle());
  p.arcTo(BackCircle(kXorGap), -BackAngle(), 2 * BackAngle());
  return p;
}

// The output stub from the body's front point, through a negation circle if negated.
void AddOutput(Drawing& d, qreal front, bool negated) {
  if (negated) {
    d.strokes.addEllipse(QPointF(front + kBubble, kMid), kBubble, kBubble);
    front += 2 * kBubble;
  }
  d.bars.emplace_back(front, kOutput, kPinEnd, kOutput);
}

Drawing TwoInputGate(const QPainterPath& body, qreal (*backX)(qreal), bool negated) {
  Drawing d{{kWidth, kHeight}, body, {}, {}};
  for (qreal y : {kInput0, kInput1}) d.bars.emplace_back(kPinStart, y, backX(y), y);
  AddOutput(d, kTip, negated);
  return d;
}

Drawing NotGate() {
  QPainterPath triangle;
  triangle.moveTo(kBack, kNotTop);
  triangle.lineTo(kNotTip, kMid);
  triangle.lineTo(kBack, kNotBottom);
  triangle.closeSubpath();
  Drawing d{{kWidth, kHeight}, triangle, {{kPinStart, kNotInput, kBack, kNotInput}}, {}};
  AddOutput(d, kNotTip, true);
  return d;
}

}  // namespace

Drawing AndDrawing() { return TwoInputGate(AndBody(), AndBackX, false); }
Drawing NandDrawing() { return TwoInputGate(AndBody(), AndBackX, true); }
Drawing OrDrawing() { return TwoInputGate(OrBody(), OrBackX, false); }
Drawing NorDrawing() { return TwoInputGate(OrBody(), OrBackX, true); }
Drawing XorDrawing() { return TwoInputGate(XorBody(), XorBackX, false); }
Drawing NotDrawing() { return NotGate(); }

std::optional<QTransform> OrientationView(int orientation, qreal width) {
  switch (orientation) {
    case 0:
      return QTransform();
    case 1:
      return QTransform(0, -1, 1, 0, 0, width);  // (x, y) -> (y, width - x)
    case 2:
      return QTransform(-1, 0, 0, 1, width, 0);  // (x, y) -> (width - x, y)
    case 3:
      return QTransform(0, 1, 1, 0, 0, 0);  // (x, y) -> (y, x)
    default:
      return std::nullopt;
  }
}

}  // namespace tessara::artwork
