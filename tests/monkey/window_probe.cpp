#include "window_probe.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "app/canvas.h"
#include "app/elements.h"
#include "app/tessara_form.h"

namespace tessara::app {
namespace {

constexpr const char* kButtonNames[kPaletteButtonCount] = {
    "CrossButton",  "LinkButton",   "AndGateButton",  "OrGateButton",  "NotGateButton",
    "InputButton",  "OutputButton", "NandGateButton", "NorGateButton", "XorGateButton"};

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
T* WindowProbe::Find(const QString& name) {
  T* found = window.findChild<T*>(name);
  if (!found) missing_.push_back(name.toStdString());
  return found;
}

WindowProbe::WindowProbe(Tessara_Form& w) : window(w) {
  canvas = Find<Tessara_Frame>(QStringLiteral("Tessara_Frame"));
  background = Find<QWidget>(QStringLiteral("ClientArea"));
  dragOutline = Find<QWidget>(QStringLiteral("DragOutline"));
  trashCan = Find<PictureElement>(QStringLiteral("TrashCan"));
  power = Find<QPushButton>(QStringLiteral("Power"));
  prop = Find<QPushButton>(QStringLiteral("prop"));
  newAction = Find<QAction>(QStringLiteral("New"));
  openAction = Find<QAction>(QStringLiteral("Open"));
  saveAction = Find<QAction>(QStringLiteral("Save"));
  for (int b = 0; b < kPaletteButtonCount; ++b) {
    palette[static_cast<std::size_t>(b)] = Find<PictureElement>(QString::fromLatin1(kButtonNames[b]));
  }
  for (int i = 0; i < kSlotCount; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    images[slot] = Find<QWidget>(QStringLiteral("ObjImage(%1)").arg(i));
    markers[slot] = Find<QWidget>(QStringLiteral("buffer(%1)").arg(i));
    values[slot] = Find<QLabel>(QStringLiteral("txtObjValue(%1)").arg(i));
  }
  headings = {Find<QWidget>(QStringLiteral("Inputs")), Find<QWidget>(QStringLiteral("Outputs"))};
}

QPoint WindowProbe::InWindow(const QWidget* w, QPoint at) const {
  return w->mapTo(&window, at);
}

bool WindowProbe::Inside(QPoint windowPoint) const {
  return window.rect().contains(windowPoint);
}

QWidget* WindowProbe::At(QPoint windowPoint) const { return window.childAt(windowPoint); }

std::optional<DragSource> WindowProbe::ElementAt(QPoint windowPoint) const {
  const QWidget* under = At(windowPoint);
  for (Integer i = 0; i < kSlotCount; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    if (under == images[slot]) return DragSource{DragPool::ObjImage, i};
    if (under == markers[slot]) return DragSource{DragPool::buffer, i};
  }
  return std::nullopt;
}

QPoint WindowProbe::PointOn(const QWidget* w, std::mt19937& rng) {
  const int x = Coordinate(w->width(), rng);
  return {x, Coordinate(w->height(), rng)};
}

}  // namespace tessara::app
