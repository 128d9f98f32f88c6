// The program's pictures, drawn with QPainter at the pixel sizes of the window's
// design: black line drawings on white, lines two pixels wide. scale draws the same
// picture for a screen with that device pixel ratio (the image is scale times larger
// and carries the ratio), so pictures stay crisp on high-DPI screens.
#pragma once

#include <QCursor>
#include <QImage>

#include "model/types.h"

namespace tessara::artwork {

// Gate picture of kind typeCode (2, 3, 4, 8, 9, 10) in orientation 0..3: 58 x 53
// for orientations 0 and 2, 53 x 58 for 1 and 3. In orientation 0 the input stubs
// of a two-input gate lie on rows 9-10 and 41-42 from column 1, NOT's on rows 25-26,
// and the output stub on rows 26-27 ending at column 56; the others are turned a
// quarter anticlockwise per step.
QImage GatePicture(Long typeCode, int orientation, qreal scale = 1);

QImage InputPicture(qreal scale = 1);   // 64 x 64 box, stub at mid-height on the right
QImage OutputPicture(qreal scale = 1);  // 64 x 64 box, stub at mid-height on the left
QImage CrossPicture(qreal scale = 1);   // 58 x 53 upright cross: the select tool
QImage LinkPicture(qreal scale = 1);    // 64 x 64 diagonal wire: the link tool
QImage TrashCanPicture(qreal scale = 1);  // 64 x 64
QImage NodeDot(qreal scale = 1);        // 15 x 15 filled black dot

// IconCache(index), index 0..10: 32 x 32 two-colour tool cursors, hot spot at the
// centre.
inline constexpr int kIconCacheSize = 11;
QCursor IconCache(int index);

// The application icon at size x size pixels.
QImage AppIcon(int size);

}  // namespace tessara::artwork
