#include "picture/artwork/artwork.h"

#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cassert>

#include "model/kinds.h"
#include "picture/artwork/drawing.h"
#include "picture/artwork/gates.h"

namespace tessara::artwork {
namespace {

// The 64 x 64 designs: the input box with its stub (the output box is its mirror
// image), the link tool's wire and the trash can.
constexpr qreal kBoxSide = 64;
constexpr qreal kBoxMid = kBoxSide / 2;  // the stub on rows 31-32

Drawing InputDrawing() {
  QPainterPath box;
  box.addRoundedRect(QRectF(5, 15, 38, 34), 7, 7);
  return {{kBoxSide, kBoxSide}, box, {{43, kBoxMid, kBoxSide, kBoxMid}}, {}};
}

QTransform MirrorLeftRight(qreal width) { return QTransform(-1, 0, 0, 1, width, 0); }

Drawing OutputDrawing() { return Transformed(InputDrawing(), MirrorLeftRight(kBoxSide)); }

Drawing LinkDrawing() {
  const QPointF from(13, 51), to(51, 13);
  QPainterPath wire;
  wire.moveTo(from);
  wire.lineTo(to);
  QPainterPath ends;
  ends.addEllipse(from, 4.5, 4.5);
  ends.addEllipse(to, 4.5, 4.5);
  return {{kBoxSide, kBoxSide}, wire, {}, ends};
}

Drawing TrashCanDrawing() {
  QPainterPath can;
  can.addRoundedRect(QRectF(11, 13, 42, 6), 2, 2);  // lid
  can.moveTo(26, 13);                               // handle
  can.lineTo(26, 8);
  can.lineTo(38, 8);
  can.lineTo(38, 13);
  can.moveTo(15, 19);  // body, narrowing downwards
  can.lineTo(18, 55);
  can.quadTo(18.5, 58, 21.5, 58);
  can.lineTo(42.5, 58);
  can.quadTo(45.5, 58, 46, 55);
  can.lineTo(49, 19);
  for (qreal x : {25.0, 32.0, 39.0}) {  // ribs
    can.moveTo(x, 25);
    can.lineTo(x, 51);
  }
  return {{kBoxSide, kBoxSide}, can, {}, {}};
}

// The Getting Started page's steps without a tool of their own: the power sign (a
// ring open at the top with a bar through the gap), prop's step (a wire from a dot to
// an arrowhead, a signal moved one place on) and the check mark of an answer matched.
Drawing PowerDrawing() {
  QPainterPath ring;
  ring.arcMoveTo(QRectF(14, 16, 36, 36), 60);
  ring.arcTo(QRectF(14, 16, 36, 36), 60, 300);
  return {{kBoxSide, kBoxSide}, ring, {{kBoxMid, 10, kBoxMid, 32}}, {}};
}

Drawing PropDrawing() {
  QPainterPath head;
  head.moveTo(40, 22);
  head.lineTo(52, kBoxMid);
  head.lineTo(40, 42);
  QPainterPath dot;
  dot.addEllipse(QPointF(14, kBoxMid), 4.5, 4.5);
  return {{kBoxSide, kBoxSide}, head, {{14, kBoxMid, 52, kBoxMid}}, dot};
}

Drawing CheckDrawing() {
  QPainterPath tick;
  tick.moveTo(14, 34);
  tick.lineTo(27, 47);
  tick.lineTo(51, 17);
  return {{kBoxSide, kBoxSide}, tick, {}, {}};
}

// The select tool: an upright cross centred on (29, 27) of the gate design space.
constexpr QPointF kCrossCentre(29, 27);
constexpr qreal kCrossArm = 18;

Drawing CrossDrawing() {
  const QPointF across(kCrossArm, 0), down(0, kCrossArm);
  return {
      {58, 53},
      {},
      {{kCrossCentre - across, kCrossCentre + across}, {kCrossCentre - down, kCrossCentre + down}},
      {}};
}

Drawing NodeDrawing() {
  QPainterPath dot;
  dot.addEllipse(QPointF(7.5, 7.5), 7, 7);
  return {{15, 15}, {}, {}, dot};
}

// Each kind's drawing in orientation 0 and how far its tool cursor shrinks it, one row
// a kind; the node shows its marker instead.
struct KindArt {
  std::int32_t kind;
  Drawing (*draw)();
  qreal cursorZoom;
};

constexpr std::array<KindArt, 8> kKindArt = {{
    {.kind = kAndGate, .draw = AndDrawing, .cursorZoom = 0.5},
    {.kind = kOrGate, .draw = OrDrawing, .cursorZoom = 0.5},
    {.kind = kNotGate, .draw = NotDrawing, .cursorZoom = 0.5},
    {.kind = kInputGate, .draw = InputDrawing, .cursorZoom = 0.45},
    {.kind = kOutputGate, .draw = OutputDrawing, .cursorZoom = 0.45},
    {.kind = kNandGate, .draw = NandDrawing, .cursorZoom = 0.5},
    {.kind = kNorGate, .draw = NorDrawing, .cursorZoom = 0.5},
    {.kind = kXorGate, .draw = XorDrawing, .cursorZoom = 0.5},
}};

constexpr bool EachKindButTheNodeIsDrawnOnce() {
  for (const KindFacts& kind : kKinds) {
    if ((kind.role == KindRole::Node) != (CountRows(kKindArt, &KindArt::kind, kind.code) == 0))
      return false;
  }
  return AllDistinct(kKindArt, &KindArt::kind) && kKindArt.size() + 1 == kKinds.size();
}
static_assert(EachKindButTheNodeIsDrawnOnce(), "every kind but the node has its drawing");

const KindArt* FindArt(std::int32_t kind) { return FindRow(kKindArt, &KindArt::kind, kind); }

QPointF Centre(const Drawing& d) { return {d.size.width() / 2, d.size.height() / 2}; }

// Tool cursors: each drawing shrunk to fit 32 x 32 (gates to half size), its lines
// one and a half pixels wide before they are cut to whole black pixels.
constexpr qreal kCursorInk = 1.5;
QCursor Cursor(const Drawing& d, qreal zoom) {
  return RenderCursor(d, zoom, kCursorInk, Centre(d));
}

// The orientation-0 drawing d turned to orientation; null when either is missing.
QImage TurnedPicture(const std::optional<Drawing>& d, int orientation, qreal scale) {
  if (!d) return {};
  const std::optional<QTransform> view = OrientationView(orientation, d->size.width());
  if (!view) return {};
  return RenderPicture(Transformed(*d, *view), scale);
}

}  // namespace

QImage GatePicture(std::int32_t typeCode, int orientation, qreal scale) {
  const KindArt* art = FindArt(typeCode);
  return art ? TurnedPicture(art->draw(), orientation, scale) : QImage();
}

QImage InputPicture(qreal scale) { return RenderPicture(InputDrawing(), scale); }
QImage OutputPicture(qreal scale) { return RenderPicture(OutputDrawing(), scale); }
QImage CrossPicture(qreal scale) { return RenderPicture(CrossDrawing(), scale); }
QImage LinkPicture(qreal scale) { return RenderPicture(LinkDrawing(), scale); }
QImage TrashCanPicture(qreal scale) { return RenderPicture(TrashCanDrawing(), scale); }
QImage NodeDot(qreal scale) { return RenderPicture(NodeDrawing(), scale); }
QImage PowerPicture(qreal scale) { return RenderPicture(PowerDrawing(), scale); }
QImage PropPicture(qreal scale) { return RenderPicture(PropDrawing(), scale); }
QImage CheckPicture(qreal scale) { return RenderPicture(CheckDrawing(), scale); }

QImage ToolPicture(std::int32_t toolCode, qreal scale) {
  if (toolCode == kSelectTool) return CrossPicture(scale);
  if (toolCode == kLinkTool) return LinkPicture(scale);
  return GatePicture(toolCode, 0, scale);
}

QCursor ToolCursor(std::int32_t toolCode) {
  assert(QGuiApplication::instance() != nullptr);
  if (toolCode == kSelectTool) return RenderCursor(CrossDrawing(), 0.7, kCursorInk, kCrossCentre);
  if (toolCode == kLinkTool) return Cursor(LinkDrawing(), 0.45);
  const KindArt* art = FindArt(toolCode);
  return art ? Cursor(art->draw(), art->cursorZoom) : QCursor();
}

QImage AppIcon(int size) {
  QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 128, 128));
  painter.drawRoundedRect(QRectF(0, 0, size, size), size * 0.2, size * 0.2);

  const Drawing gate = AndDrawing();
  const qreal zoom = size * 0.74 / gate.size.width();
  painter.translate(size / 2.0, size / 2.0);
  painter.scale(zoom, zoom);
  painter.translate(-Centre(gate));
  Paint(painter, gate, {Qt::white, std::max(4.5, 1.6 / zoom)});
  return icon;
}

}  // namespace tessara::artwork
