#include "picture/canvas_drawing.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "model/kinds.h"
#include "picture/highlight.h"
#include "picture/pixels.h"

namespace tessara::app {
namespace {

constexpr float kLeftBoundary = 795;
constexpr float kRightBoundary = 8200;
constexpr float kBoundaryBottom = 8040;
constexpr float kInputsHeading = 0;
constexpr float kOutputsHeading = 8280;
constexpr int kNamePixels = 10;  // the names' letters, fitting the 12 pixels above a box
constexpr int kMargin = 15;

QRect LinePlace(const LineElement& line) {
  return QRect(TwipsPoint(line.X1(), line.Y1()), TwipsPoint(line.X2(), line.Y2()))
      .normalized()
      .adjusted(-2, -2, 2, 2);
}

QRect ImagePlace(const ImageElement& image, float size) {
  return TwipsRect(image.Left(), image.Top(), size, size);
}

QRect LabelPlace(const LabelElement& label) {
  return TwipsRect(label.Left(), label.Top(), 135, 255);
}

QString FromStd(const std::string& text) { return QString::fromStdString(text); }

// The size of text drawn with a halo: its advance and height, with room for the halo.
QSizeF HaloSize(const QString& text, const QFont& font) {
  const QFontMetricsF metrics(font);
  return {std::ceil(metrics.horizontalAdvance(text)) + 4, std::ceil(metrics.height()) + 2};
}

// text in colour with a white halo two pixels wide, its box's top left corner at corner.
void PaintHaloText(QPainter& painter, QPointF corner, const QString& text, const QFont& font,
                   const QColor& colour) {
  QPainterPath glyphs;
  glyphs.addText(corner + QPointF(2, 1 + QFontMetricsF(font).ascent()), font, text);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.strokePath(glyphs, QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.fillPath(glyphs, colour);
}

// The same on a transparent image of its own size at scale device pixels per logical
// pixel. Drawn whole into an image first, so that a repaint of part of an element blends
// exactly the pixels a whole repaint does.
QImage HaloText(const QString& text, const QFont& font, const QColor& colour, qreal scale) {
  QImage image((HaloSize(text, font) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  PaintHaloText(painter, {0, 0}, text, font, colour);
  return image;
}

}  // namespace

void PaintColumnBoundaries(QPainter& painter) {
  painter.setPen(QPen(Qt::black, 1));
  for (float x : {kLeftBoundary, kRightBoundary}) {
    painter.drawLine(TwipsPoint(x, 0), TwipsPoint(x, kBoundaryBottom));
  }
}

QRect HeadingPlace(float left, int canvasWidth) {
  QRect place = TwipsRect(left, 0, 735, 255);
  place.moveRight(std::min(place.right(), canvasWidth - 2));
  return place;
}

void PaintExplainedBand(QPainter& painter, const LineElement& line) {
  if (!line.Visible() || !line.Highlighted()) return;
  painter.setPen(QPen(kExplainedWire, kExplainedBand, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(TwipsPoint(line.X1(), line.Y1()), TwipsPoint(line.X2(), line.Y2()));
}

void PaintLine(QPainter& painter, const LineElement& line, bool colourWires) {
  if (!line.Visible()) return;
  const bool high = colourWires && line.Value() == LineValue::High;
  painter.setPen(QPen(high ? kHighWire : QColor(Qt::black), high ? 2 : 1));
  painter.drawLine(TwipsPoint(line.X1(), line.Y1()), TwipsPoint(line.X2(), line.Y2()));
}

NamePlace NamePlaceOf(Picture picture) {
  const bool input = HasRole(picture.kind, KindRole::Input);
  if (!input && !HasRole(picture.kind, KindRole::Output)) return NamePlace::Tag;
  const bool boxAtTop = picture.orientation == (input ? 3 : 1);
  return boxAtTop ? NamePlace::Below : NamePlace::Above;
}

// On a device that cannot multiply (SVG), the explained colour lies under the picture's
// black as a translucent wash instead.
void PaintPoolImage(QPainter& painter, QRect place, Art art, qreal dpr, bool highlighted,
                    const QString& name, NamePlace namePlace) {
  const QImage picture = FittedPicture(art, place.size(), dpr);
  if (!picture.isNull()) painter.drawImage(place, picture);
  if (highlighted) {  // the picture's white turns the explained colour, its black stays
    const bool multiplies = painter.paintEngine()->hasFeature(QPaintEngine::BlendModes);
    if (multiplies) painter.setCompositionMode(QPainter::CompositionMode_Multiply);
    painter.fillRect(place, multiplies ? kExplainedGate : QColor(0, 90, 255, 50));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  }
  if (name.isEmpty()) return;
  QFont small = painter.font();
  small.setPixelSize(kNamePixels);
  painter.save();
  painter.setFont(small);
  painter.setPen(Qt::black);
  if (namePlace != NamePlace::Tag) {
    const QRect half(place.left() + 2, place.top(), place.width() / 2, place.height());
    const Qt::Alignment edge = namePlace == NamePlace::Below ? Qt::AlignBottom : Qt::AlignTop;
    painter.drawText(half, Qt::AlignLeft | edge, name);
    painter.restore();
    return;
  }
  // A gate's tag: in the top right corner, clear of the input stubs, with a white halo
  // (the text drawn white a pixel around it) where a wire passes.
  const QRect corner = place.adjusted(0, 0, -2, 0);
  painter.setPen(Qt::white);
  for (int dx = -1; dx <= 1; ++dx) {
    for (int dy = -1; dy <= 1; ++dy) {
      painter.drawText(corner.translated(dx, dy), Qt::AlignRight | Qt::AlignTop, name);
    }
  }
  painter.setPen(Qt::black);
  painter.drawText(corner, Qt::AlignRight | Qt::AlignTop, name);
  painter.restore();
}

// On a raster device the text is an image (see HaloText); on another (SVG, PDF) it stays
// glyphs. Either is clipped to the label, as its widget clips it.
void PaintValueLabel(QPainter& painter, QRect place, const QString& text, const QColor& colour,
                     qreal dpr) {
  const QSizeF size = HaloSize(text, painter.font());
  const QPointF corner(place.left() + std::round((place.width() - size.width()) / 2),
                       place.top() + std::round((place.height() - size.height()) / 2));
  painter.save();
  painter.setClipRect(place, Qt::IntersectClip);
  if (painter.paintEngine()->type() == QPaintEngine::Raster) {
    painter.drawImage(corner, HaloText(text, painter.font(), colour, dpr));
  } else {
    PaintHaloText(painter, corner, text, painter.font(), colour);
  }
  painter.restore();
}

QRect CanvasRect() { return TwipsRect(0, 0, kCanvasWidth, kCanvasHeight); }

QRect UsedArea(ScreenElements& elements) {
  QRect used;
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    if (elements.GateImage(i).Visible()) used |= ImagePlace(elements.GateImage(i), kGateImageSize);
    if (elements.NodeMarker(i).Visible())
      used |= ImagePlace(elements.NodeMarker(i), kNodeMarkerSize);
    if (elements.ValueLabel(i).Visible()) used |= LabelPlace(elements.ValueLabel(i));
    if (elements.LinkLine(i).Visible()) used |= LinePlace(elements.LinkLine(i));
  }
  if (used.isNull()) return CanvasRect();
  return used.adjusted(-kMargin, -kMargin, kMargin, kMargin) & CanvasRect();
}

void DrawCanvas(QPainter& painter, ScreenElements& elements, const CanvasLook& look) {
  const QRect canvas = CanvasRect();
  painter.fillRect(canvas, Qt::white);
  PaintColumnBoundaries(painter);
  QFont font = look.font;
  font.setPixelSize(12);
  painter.setFont(font);
  for (std::int16_t i = 0; i < kSlotCount; ++i) PaintExplainedBand(painter, elements.LinkLine(i));
  painter.setPen(Qt::black);
  painter.drawText(HeadingPlace(kInputsHeading, canvas.width()), Qt::AlignLeft | Qt::AlignVCenter,
                   look.inputsHeading);
  painter.drawText(HeadingPlace(kOutputsHeading, canvas.width()), Qt::AlignLeft | Qt::AlignVCenter,
                   look.outputsHeading);
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    const ImageElement& image = elements.GateImage(i);
    if (image.Visible()) {
      PaintPoolImage(painter, ImagePlace(image, kGateImageSize),
                     Art::FromPicture(image.GetPicture()), look.dpr, image.Highlighted(),
                     FromStd(image.Name()), NamePlaceOf(image.GetPicture()));
    }
    const ImageElement& marker = elements.NodeMarker(i);
    if (marker.Visible()) {
      PaintPoolImage(painter, ImagePlace(marker, kNodeMarkerSize), {Art::Kind::NodeDot}, look.dpr,
                     marker.Highlighted(), FromStd(marker.Name()), NamePlace::Tag);
    }
  }
  for (std::int16_t i = 0; i < kSlotCount; ++i)
    PaintLine(painter, elements.LinkLine(i), look.colourWires);
  for (std::int16_t i = 0; i < kSlotCount; ++i) {  // the values above the wires
    const LabelElement& label = elements.ValueLabel(i);
    if (label.Visible()) {
      PaintValueLabel(painter, LabelPlace(label), FromStd(label.Text()), Qt::black, look.dpr);
    }
  }
}

}  // namespace tessara::app
