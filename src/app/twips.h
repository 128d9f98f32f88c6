// Twips and pixels: the window's design is in twips, 15 to a logical pixel.
#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>
#include <QtGlobal>
#include <cmath>

#include "model/types.h"

namespace tessara::app {

inline constexpr int kTwipsPerPixel = 15;

// The nearest logical pixel to a twip value; any value, negative ones included.
inline int ToPixels(Single twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

// Twips of a pointer position in logical pixels (fractional on scaled screens).
inline Single ToTwips(qreal pixels) { return static_cast<Single>(pixels * kTwipsPerPixel); }

// A rectangle given in twips (left, top, width, height), in logical pixels.
inline QRect TwipsRect(Single left, Single top, Single width, Single height) {
  return QRect(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
}

inline QPoint TwipsPoint(Single x, Single y) { return QPoint(ToPixels(x), ToPixels(y)); }

// Where a pool element was placed: the twips it was last given, exactly, with its
// widget standing at the nearest pixel.
class TwipsPlace {
 public:
  explicit TwipsPlace(QWidget* widget) : widget_(widget) {}
  void SetLeft(Single twips) {
    left_ = twips;
    widget_->move(ToPixels(twips), widget_->y());
  }
  void SetTop(Single twips) {
    top_ = twips;
    widget_->move(widget_->x(), ToPixels(twips));
  }
  Single Left() const { return left_; }
  Single Top() const { return top_; }

 private:
  QWidget* widget_;
  Single left_ = 0, top_ = 0;
};

}  // namespace tessara::app
