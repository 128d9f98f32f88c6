// The real widgets of a shown main window, found once by their object names, and
// the window points the monkey aims its gestures at.
#pragma once

#include <QPoint>
#include <array>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "model/types.h"
#include "view/screen.h"

class QAction;
class QLabel;
class QPushButton;
class QWidget;

namespace tessara::app {

class Tessara_Form;
class Tessara_Frame;
class PictureElement;

// The tool code each palette button chooses, in PaletteButton order.
inline constexpr std::array<Long, kPaletteButtonCount> kButtonTools = {0, 1, 2, 3, 4,
                                                                       5, 6, 8, 9, 10};

class WindowProbe {
 public:
  // Finds every element of window; missing() names the ones not found.
  explicit WindowProbe(Tessara_Form& window);

  const std::vector<std::string>& missing() const { return missing_; }

  Tessara_Form& window;
  Tessara_Frame* canvas = nullptr;
  QWidget* background = nullptr;  // the client area behind everything
  QWidget* dragOutline = nullptr;
  PictureElement* trashCan = nullptr;
  QPushButton* power = nullptr;
  QPushButton* prop = nullptr;
  QAction* newAction = nullptr;
  QAction* openAction = nullptr;
  QAction* saveAction = nullptr;
  std::array<PictureElement*, kPaletteButtonCount> palette{};
  std::array<QWidget*, kSlotCount> images{};
  std::array<QWidget*, kSlotCount> markers{};
  std::array<QLabel*, kSlotCount> values{};
  std::array<QWidget*, 2> headings{};  // "Inputs", "Outputs"

  // A point of w in window coordinates.
  QPoint InWindow(const QWidget* w, QPoint at) const;
  // Whether a window point lies inside the window.
  bool Inside(QPoint windowPoint) const;
  // The deepest widget under a window point, as a press there would find it.
  QWidget* At(QPoint windowPoint) const;
  // The pool element under a window point, if one is.
  std::optional<DragSource> ElementAt(QPoint windowPoint) const;

  // A random point of w, its edges included; now and then exactly on an edge or on
  // a midline.
  static QPoint PointOn(const QWidget* w, std::mt19937& rng);

 private:
  template <typename T>
  T* Find(const QString& name);
  std::vector<std::string> missing_;
};

}  // namespace tessara::app
