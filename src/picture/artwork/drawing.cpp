#include "picture/artwork/drawing.h"

#include <QBitmap>
#include <QPainter>

namespace tessara::artwork {
namespace {

// The rectangle a bar covers when drawn width wide with flat ends.
QRectF BarRect(const QLineF& bar, qreal width) {
  const QRectF span = QRectF(bar.p1(), bar.p2()).normalized();
  const qreal half = width / 2;
  if (bar.dy() == 0) return span.adjusted(0, -half, 0, half);
  return span.adjusted(-half, 0, half, 0);
}

constexpr int kCursorSize = 32;

// A cursor-sized one-bit image: bit 1 (black) at the pixels (x, y) where set holds.
template <typename Set>
QBitmap Bits(Set set) {
  QImage bits(kCursorSize, kCursorSize, QImage::Format_MonoLSB);
  bits.setColorTable({QColor(Qt::white).rgb(), QColor(Qt::black).rgb()});
  for (int y = 0; y < kCursorSize; ++y)
    for (int x = 0; x < kCursorSize; ++x) bits.setPixel(x, y, set(x, y) ? 1 : 0);
  return QBitmap::fromImage(bits);
}

}  // namespace

void Paint(QPainter& painter, const Drawing& d, const Ink& ink) {
  const qreal width = ink.width + 2 * ink.grow;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, ink.smooth);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(ink.colour, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
  painter.drawPath(d.strokes);

  painter.setBrush(ink.colour);
  painter.setPen(ink.grow > 0 ? QPen(ink.colour, 2 * ink.grow) : QPen(Qt::NoPen));
  painter.drawPath(d.fills);

  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(Qt::NoPen);
  for (const QLineF& bar : d.bars) painter.drawRect(BarRect(bar, width));
  painter.restore();
}

Drawing Transformed(const Drawing& d, const QTransform& view) {
  Drawing out{view.mapRect(QRectF(QPointF(0, 0), d.size)).size(),
              view.map(d.strokes),
              {},
              view.map(d.fills)};
  for (const QLineF& bar : d.bars) out.bars.push_back(view.map(bar));
  return out;
}

QImage RenderPicture(const Drawing& d, qreal scale) {
  QImage image(qRound(d.size.width() * scale), qRound(d.size.height() * scale),
               QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.scale(scale, scale);
  Paint(painter, d, {});
  painter.end();
  image.setDevicePixelRatio(scale);
  return image;
}

QCursor RenderCursor(const Drawing& d, qreal zoom, qreal inkPixels, QPointF focus) {
  QImage image(kCursorSize, kCursorSize, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.translate(kCursorSize / 2.0, kCursorSize / 2.0);
  painter.scale(zoom, zoom);
  painter.translate(-focus);
  Paint(painter, d, {Qt::black, inkPixels / zoom});
  painter.end();

  // Black where the ink covers half a pixel or more; edged with one pixel of white.
  auto inked = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < kCursorSize && y < kCursorSize &&
           qAlpha(image.pixel(x, y)) >= 128;
  };
  auto nearInk = [&](int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (inked(x + dx, y + dy)) return true;
    return false;
  };
  return QCursor(Bits(inked), Bits(nearInk), kCursorSize / 2, kCursorSize / 2);
}

}  // namespace tessara::artwork
