#include "window_probe.h"

namespace tessara::app {
namespace {

// A coordinate 0..size-1: mostly anywhere, sometimes an edge or the middle.
int Coordinate(int size, std::mt19937& rng) {
  switch (std::uniform_int_distribution<int>(0, 9)(rng)) {
    case 0: return 0;
    case 1: return size - 1;
    case 2: return size / 2;
    default: return std::uniform_int_distribution<int>(0, size - 1)(rng);
  }
}

}  // namespace

template <typename T>
T* WindowProbe::Find(const char* name) {
  T* found = window.findChild<T*>(QString::fromLatin1(name));
  if (!found && missing.empty()) missing = name;
  return found;
}

WindowProbe::WindowProbe(Tessara_Form& w)
    : window(w), canvas(Find("Tessara_Frame")), background(Find("ClientArea")),
      dragOutline(Find("DragOutline")), trashCan(Find("TrashCan")), prop(Find("prop")),
      power(Find<QPushButton>("Power")), newAction(Find<QAction>("New")),
      openAction(Find<QAction>("Open")), saveAction(Find<QAction>("Save")),
      headings{Find("Inputs"), Find("Outputs")} {}

std::string WindowProbe::Name(QPoint windowPoint) const {
  const QWidget* under = At(windowPoint);
  if (!under) return "nothing";
  return under->objectName().isEmpty() ? under->metaObject()->className()
                                       : under->objectName().toStdString();
}

QPoint WindowProbe::PointOn(const QWidget* w, std::mt19937& rng) {
  const int x = Coordinate(w->width(), rng);
  return {x, Coordinate(w->height(), rng)};
}

}  // namespace tessara::app
