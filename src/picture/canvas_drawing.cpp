#include "picture/canvas_drawing.h"

#include <QPaintEngine>
#include <QPainter>
#include <algorithm>

#include "picture/highlight.h"
#include "picture/pixels.h"

namespace tessara::app {
namespace {

constexpr Single kLeftBoundary = 795;
constexpr Single kRightBoundary = 8200;
constexpr Single kBoundaryBottom = 8040;
constexpr Single kInputsHeading = 0;
constexpr Single kOutputsHeading = 8280;
constexpr int kNamePixels = 10;  // the names' letters, fitting the 12 pixels above a box
constexpr int kMargin = 15;

QRect LinePlace(const LineElement& line) {
  return QRect(TwipsPoint(line.X1(), line.Y1()), TwipsPoint(line.X2(), line.Y2()))
      .normalized()
      .adjusted(-2, -2, 2, 2);
}

QRect ImagePlace(const ImageElement& image, Single size) {
  return TwipsRect(image.Left(), image.Top(), size, size);
}

QRect LabelPlace(const LabelElement& label) {
  return TwipsRect(label.Left(), label.Top(), 135, 255);
}

QString FromStd(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

void PaintColumnBoundaries(QPainter& painter) {
  painter.setPen(QPen(Qt::black, 1));
  for (Single x : {kLeftBoundary, kRightBoundary}) {
    painter.drawLine(TwipsPoint(x, 0), TwipsPoint(x, kBoundaryBottom));
  }
}

QRect HeadingPlace(Single left, int canvasWidth) {
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

bool NameAtBottom(Picture picture) {
  return (picture.store == PictureStore::InputButton && picture.index == 3) ||
         (picture.store == PictureStore::OutputButton && picture.index == 1);
}

// On a device that cannot multiply (SVG), the explained colour lies under the picture's
// black as a translucent wash instead.
void PaintPoolImage(QPainter& painter, QRect place, Art art, qreal dpr, bool highlighted,
                    const QString& name, bool nameAtBottom) {
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
  const QRect half(place.left() + 2, place.top(), place.width() / 2, place.height());
  painter.drawText(half, Qt::AlignLeft | (nameAtBottom ? Qt::AlignBottom : Qt::AlignTop), name);
  painter.restore();
}

void PaintValueLabel(QPainter& painter, QRect place, const QString& text) {
  painter.fillRect(place, Qt::white);
  painter.drawText(place, Qt::AlignCenter, text);
}

QRect CanvasRect() { return TwipsRect(0, 0, kCanvasWidth, kCanvasHeight); }

QRect UsedArea(ScreenElements& elements) {
  QRect used;
  for (Integer i = 0; i < kSlotCount; ++i) {
    if (elements.ObjImage(i).Visible()) used |= ImagePlace(elements.ObjImage(i), kGateImageSize);
    if (elements.buffer(i).Visible()) used |= ImagePlace(elements.buffer(i), kNodeMarkerSize);
    if (elements.txtObjValue(i).Visible()) used |= LabelPlace(elements.txtObjValue(i));
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
  for (Integer i = 0; i < kSlotCount; ++i) PaintExplainedBand(painter, elements.LinkLine(i));
  painter.setPen(Qt::black);
  painter.drawText(HeadingPlace(kInputsHeading, canvas.width()), Qt::AlignLeft | Qt::AlignVCenter,
                   look.inputsHeading);
  painter.drawText(HeadingPlace(kOutputsHeading, canvas.width()), Qt::AlignLeft | Qt::AlignVCenter,
                   look.outputsHeading);
  for (Integer i = 0; i < kSlotCount; ++i) {
    const ImageElement& image = elements.ObjImage(i);
    if (image.Visible()) {
      PaintPoolImage(painter, ImagePlace(image, kGateImageSize),
                     Art::FromPicture(image.GetPicture()), look.dpr, image.Highlighted(),
                     FromStd(image.Name()), NameAtBottom(image.GetPicture()));
    }
    const ImageElement& marker = elements.buffer(i);
    if (marker.Visible()) {
      PaintPoolImage(painter, ImagePlace(marker, kNodeMarkerSize), {Art::Kind::NodeDot}, look.dpr,
                     marker.Highlighted(), FromStd(marker.Name()), false);
    }
    const LabelElement& label = elements.txtObjValue(i);
    if (label.Visible()) {
      painter.setPen(Qt::black);
      PaintValueLabel(painter, LabelPlace(label), FromStd(label.Text()));
    }
  }
  for (Integer i = 0; i < kSlotCount; ++i)
    PaintLine(painter, elements.LinkLine(i), look.colourWires);
}

}  // namespace tessara::app
