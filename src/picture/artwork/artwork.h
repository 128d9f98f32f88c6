// The program's pictures, drawn with QPainter at the pixel sizes of the window's
// design: black line drawings on white, lines two pixels wide. scale draws the same
// picture for a screen with that device pixel ratio (the image is scale times larger
// and carries the ratio), so pictures stay crisp on high-DPI screens.
#pragma once

#include <QCursor>
#include <QImage>

#include "model/types.h"

namespace tessara::artwork {

// The picture of a gate of kind typeCode in orientation 0..3, from the kind's drawing.
// A logic gate's (2, 3, 4, 8, 9, 10) is 58 x 53
// for orientations 0 and 2, 53 x 58 for 1 and 3. In orientation 0 the input stubs
// of a two-input gate lie on rows 9-10 and 41-42 from column 1, NOT's on rows 25-26,
// and the output stub on rows 26-27 ending at column 56; the others are turned a
// quarter anticlockwise per step, keeping input 0 at the upper or left end (so 2 is
// the mirror image of 0, and 3 of 1). Stretched into a 795-twip square, the pins fall
// where links attach on the 800-twip cell, to within two pixels: the output at its
// middle, inputs 150 and 600 twips along (NOT: 400). A circuit input's (5) or output's
// (6) is 64 x 64: its box turned as the gates are, so that the stub lies in the middle
// of the side where its link attaches (input: the output side; output: the input
// side); orientation 0 is InputPicture or OutputPicture. A null image for the node, any
// other code or orientation.
QImage GatePicture(std::int32_t typeCode, int orientation, qreal scale = 1);

QImage InputPicture(qreal scale = 1);     // 64 x 64 box, stub at mid-height on the right
QImage OutputPicture(qreal scale = 1);    // 64 x 64 box, stub at mid-height on the left
QImage CrossPicture(qreal scale = 1);     // 58 x 53 upright cross: the select tool
QImage LinkPicture(qreal scale = 1);      // 64 x 64 diagonal wire: the link tool
QImage TrashCanPicture(qreal scale = 1);  // 64 x 64
QImage NodeDot(qreal scale = 1);          // 15 x 15 filled black dot
QImage PowerPicture(qreal scale = 1);     // 64 x 64 power sign
QImage PropPicture(qreal scale = 1);      // 64 x 64 wire from a dot to an arrowhead
QImage CheckPicture(qreal scale = 1);     // 64 x 64 check mark

// The palette button picture of tool toolCode: the cross (0), the wire (1), the gate
// kind's orientation-0 picture (2, 3, 4, 8, 9, 10), the input (5) or output (6) box.
// A null image for any other code.
QImage ToolPicture(std::int32_t toolCode, qreal scale = 1);

// The pointer over the canvas while tool toolCode is chosen: a 32 x 32 two-colour
// cursor (black edged in white, the rest transparent), hot spot at the centre (16, 16),
// showing the upright cross (0), the diagonal wire (1), or the kind's orientation-0
// picture (gates at half size). Any other code gives the default arrow. Requires a
// QGuiApplication.
QCursor ToolCursor(std::int32_t toolCode);

// The application icon at size x size pixels: a white gate symbol on a teal rounded
// square, transparent outside it.
QImage AppIcon(int size);

}  // namespace tessara::artwork
