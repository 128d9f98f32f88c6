// Twips and pixels of the window's widgets (the conversions themselves: picture/pixels.h).
#pragma once

#include <QWidget>
#include <QtGlobal>

#include "picture/pixels.h"

namespace tessara::app {

// Twips of a pointer position in logical pixels (fractional on scaled screens).
inline float ToTwips(qreal pixels) { return static_cast<float>(pixels * kTwipsPerPixel); }

// Where a pool element was placed: the twips it was last given, exactly, with its
// widget standing at the nearest pixel.
class TwipsPlace {
 public:
  explicit TwipsPlace(QWidget* widget) : widget_(widget) {}
  void SetLeft(float twips) {
    left_ = twips;
    widget_->move(ToPixels(twips), widget_->y());
  }
  void SetTop(float twips) {
    top_ = twips;
    widget_->move(widget_->x(), ToPixels(twips));
  }
  float Left() const { return left_; }
  float Top() const { return top_; }

 private:
  QWidget* widget_;
  float left_ = 0, top_ = 0;
};

}  // namespace tessara::app
