// How the canvas draws what its elements show. The window's widgets paint themselves
// with these functions, and DrawCanvas paints every element of a ScreenElements on one
// painter in the widgets' stacking order, so that a picture of the circuit (a file, the
// clipboard, a page) shows exactly what the canvas shows, without the editing marks
// (the keyboard's marks, the link being drawn, the problem marks).
// Every place is in the canvas's logical pixels.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include "picture/artwork/pictures.h"
#include "view/screen.h"

class QPainter;

namespace tessara::app {

inline constexpr QColor kHighWire(220, 0, 0);
inline constexpr int kExplainedBand = 6;  // pixels wide

// The two column boundaries, under every element.
void PaintColumnBoundaries(QPainter& painter);
// Where the inputs' (left 0) or the outputs' (left 8280) heading stands on a canvas
// canvasWidth pixels wide.
QRect HeadingPlace(float left, int canvasWidth);
// The explained colour's band under a visible highlighted line; nothing for another.
void PaintExplainedBand(QPainter& painter, const LineElement& line);
// A visible line: thin and black, or with colourWires by value (1 red and two pixels
// wide); nothing for a hidden one.
void PaintLine(QPainter& painter, const LineElement& line, bool colourWires);

// Where a gate image's name stands: a terminal's above or below its box, in the left
// half of its cell; a gate's tag in the top right corner of its cell, with a white halo.
enum class NamePlace { Above, Below, Tag };
NamePlace NamePlaceOf(Picture picture);

// A gate image or node marker in place: art stretched to fill it (drawn at dpr device
// pixels per logical pixel), on the explained colour when highlighted, and the name at
// namePlace in the painter's font at 10 pixels.
void PaintPoolImage(QPainter& painter, QRect place, Art art, qreal dpr, bool highlighted,
                    const QString& name, NamePlace namePlace);
// A value label's text centred in place, in colour with a thin white halo, in the
// painter's font (drawn at dpr device pixels per logical pixel); nothing under it, so a
// wire drawn before it shows around the text.
void PaintValueLabel(QPainter& painter, QRect place, const QString& text, const QColor& colour,
                     qreal dpr);

// How a whole canvas is drawn: the font of its headings and labels (12 pixels high),
// whether the wires are coloured, the headings' texts and the device pixel ratio at which
// the gates' pictures are drawn.
struct CanvasLook {
  QFont font;
  bool colourWires = true;
  QString inputsHeading = QStringLiteral("Inputs"), outputsHeading = QStringLiteral("Outputs");
  qreal dpr = 1;
};

// The canvas's size in logical pixels.
QRect CanvasRect();
// The part of the canvas the circuit uses: every visible image, marker, label and line,
// with a margin of 15 pixels, within the canvas; the whole canvas when nothing shows.
QRect UsedArea(ScreenElements& elements);
// The canvas as its widgets draw it, editing marks left out: white, the boundaries and
// headings, the explained bands, each slot's image and marker, the lines, then the value
// labels above them.
void DrawCanvas(QPainter& painter, ScreenElements& elements, const CanvasLook& look);

}  // namespace tessara::app
