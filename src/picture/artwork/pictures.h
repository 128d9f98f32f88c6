// The pictures as the window's elements use them: which drawing an element shows, and
// that drawing stretched to the element's size for the screen it is on.
#pragma once

#include <QImage>
#include <QSize>

#include "model/types.h"
#include "view/screen.h"

namespace tessara::app {

// One drawing of the artwork. A gate drawing (circuit inputs and outputs among them)
// carries its kind's type code and the orientation 0..3.
struct Art {
  enum class Kind { None, Gate, Cross, Link, TrashCan, NodeDot };
  Kind kind = Kind::None;
  std::int32_t type = 0;
  int orientation = 0;
  bool operator==(const Art&) const = default;

  // The drawing of a gate image's picture; None for a picture of no drawing.
  static Art FromPicture(Picture picture);
};

// art smoothly stretched to size logical pixels, drawn at device pixel ratio dpr so
// that it stays crisp. Drawn once per (art, size, dpr) and kept for the run; a null
// image for Kind::None.
QImage FittedPicture(Art art, QSize size, qreal dpr);

}  // namespace tessara::app
