// Twips and pixels: the window's design is in twips, 15 to a logical pixel.
#pragma once

#include <QPoint>
#include <QRect>
#include <cmath>

#include "model/types.h"

namespace tessara::app {

inline constexpr int kTwipsPerPixel = 15;

// The nearest logical pixel to a twip value; any value, negative ones included.
inline int ToPixels(float twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

// A rectangle given in twips (left, top, width, height), in logical pixels.
inline QRect TwipsRect(float left, float top, float width, float height) {
  return QRect(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
}

inline QPoint TwipsPoint(float x, float y) { return QPoint(ToPixels(x), ToPixels(y)); }

}  // namespace tessara::app
