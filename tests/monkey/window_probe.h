// The real widgets of a shown main window: the pool elements and palette buttons as
// its Screen hands them out, the rest found once by their object names; and the
// random window points the monkey aims its gestures at.
#pragma once

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <array>
#include <random>
#include <string>

#include "app/tessara_form.h"

namespace tessara::app {

class WindowProbe {
 public:
  // Finds the named widgets of window; missing names the first not found, if any.
  explicit WindowProbe(Tessara_Form& window);

  QWidget* Image(Integer i) const { return dynamic_cast<QWidget*>(&window.ObjImage(i)); }
  QWidget* Marker(Integer i) const { return dynamic_cast<QWidget*>(&window.buffer(i)); }
  QLabel* Value(Integer i) const { return dynamic_cast<QLabel*>(&window.txtObjValue(i)); }
  QWidget* PaletteButton(int b) const {
    return dynamic_cast<QWidget*>(&window.Palette(static_cast<tessara::PaletteButton>(b)));
  }

  // A point of w in window coordinates.
  QPoint InWindow(const QWidget* w, QPoint at) const { return w->mapTo(&window, at); }
  // The deepest widget under a window point, as a press there would find it.
  QWidget* At(QPoint windowPoint) const { return window.childAt(windowPoint); }
  // Its object name, or its class when it has none.
  std::string Name(QPoint windowPoint) const;
  // A random point of w, its edges included; now and then exactly on an edge or on
  // a midline.
  static QPoint PointOn(const QWidget* w, std::mt19937& rng);

  Tessara_Form& window;
  std::string missing;
  QWidget *canvas, *background, *dragOutline, *trashCan, *prop;  // background: the client area
  QPushButton* power;
  QAction *newAction, *openAction, *saveAction;
  std::array<QWidget*, 2> headings;  // "Inputs", "Outputs"

 private:
  template <typename T = QWidget>
  T* Find(const char* name);
};

}  // namespace tessara::app
