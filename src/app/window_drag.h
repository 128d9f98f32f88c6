// The window's own drag of a gate image or node marker. It needs no platform drag and
// drop: while the drag is under way an outline of the element follows the pointer, and
// the release of the last mouse button names the widget of the window under the
// pointer. Presses of other buttons during the drag reach nobody. A modal window
// that opens meanwhile takes the mouse and ends the drag without a drop.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

#include "view/screen.h"

class QWidget;

namespace tessara::app {

class WindowDrag : public QObject {
  Q_OBJECT
 public:
  // window: the top-level widget that shows the outline (its child "DragOutline") and
  // is searched on release.
  explicit WindowDrag(QWidget* window);

  // Starts dragging element, a descendant of the window pressed at grab (pixels from
  // its corner). A drag under way is abandoned.
  void Begin(QWidget* element, QPoint grab, DragSource source);

 signals:
  // The last button was released over target (the deepest visible widget of the window
  // under the pointer, the outline excepted; null over nothing) at pos, pixels in
  // target's own coordinates.
  void dropped(tessara::DragSource source, QWidget* target, QPoint pos);

 protected:
  // Watches the whole application's events while a drag is under way.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Follow(QPointF globalPos);
  void End();

  QWidget* window_;
  QWidget* outline_;
  QPointer<QWidget> element_;
  QPoint grab_;
  DragSource source_;
};

}  // namespace tessara::app
