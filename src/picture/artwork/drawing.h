// Private to the artwork: a line drawing held as geometry in its own design space,
// and the ways the program puts one on pixels: an opaque black-on-white picture, a
// two-colour cursor, or any ink on a painter (the application icon).
#pragma once

#include <QColor>
#include <QCursor>
#include <QImage>
#include <QLineF>
#include <QPainterPath>
#include <QSizeF>
#include <QTransform>
#include <vector>

class QPainter;

namespace tessara::artwork {

// Pen width of every line of the design, in design units (pixels at scale 1).
inline constexpr qreal kInkWidth = 2;

// A picture as geometry. strokes are outlines drawn with a round-joined pen;
// bars are axis-parallel straight lines (pin stubs, the cross) drawn with flat ends
// and without antialiasing, so that at scale 1 they cover exactly the pixel rows or
// columns either side of a whole coordinate; fills are solid shapes.
struct Drawing {
  QSizeF size;
  QPainterPath strokes;
  std::vector<QLineF> bars;
  QPainterPath fills;
};

// How Paint puts a drawing down: its colour, the width of its lines, how much every
// line and solid shape is widened on each side (a halo), and whether outlines are
// antialiased (bars never are).
struct Ink {
  QColor colour = Qt::black;
  qreal width = kInkWidth;
  qreal grow = 0;
  bool smooth = true;
};

// Paints d with ink in the painter's current coordinates.
void Paint(QPainter& painter, const Drawing& d, const Ink& ink);

// d seen through view, which maps its design rectangle onto a new one (a quarter
// turn, a mirror): the geometry and the size both follow.
Drawing Transformed(const Drawing& d, const QTransform& view);

// d in black on opaque white (QImage::Format_RGB32), scale times its design size in
// pixels, carrying scale as its device pixel ratio.
QImage RenderPicture(const Drawing& d, qreal scale);

// d as a 32 x 32 cursor, black edged with one pixel of white on transparency, drawn
// at zoom times its design size with lines inkPixels wide, the design point focus on
// the hot spot (16, 16).
QCursor RenderCursor(const Drawing& d, qreal zoom, qreal inkPixels, QPointF focus);

}  // namespace tessara::artwork
