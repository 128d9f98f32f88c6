#include "app/window_drag.h"

#include <QApplication>
#include <QFrame>
#include <QMouseEvent>

namespace tessara::app {

WindowDrag::WindowDrag(QWidget* window) : QObject(window), window_(window) {
  auto* outline = new QFrame(window);
  outline->setObjectName(QStringLiteral("DragOutline"));
  outline->setFrameStyle(QFrame::Box | QFrame::Plain);
  outline->setLineWidth(2);
  QPalette colours = outline->palette();
  colours.setColor(QPalette::WindowText, Qt::darkGray);
  outline->setPalette(colours);
  outline->setAttribute(Qt::WA_TransparentForMouseEvents);
  outline->hide();
  outline_ = outline;
}

void WindowDrag::Begin(QWidget* element, QPoint grab, DragSource source) {
  End();
  element_ = element;
  grab_ = grab;
  source_ = source;
  qApp->installEventFilter(this);
  outline_->resize(element->size());
  Follow(element->mapToGlobal(QPointF(grab)));
  outline_->raise();
  outline_->show();
}

void WindowDrag::Follow(QPointF globalPos) {
  outline_->move(window_->mapFromGlobal(globalPos).toPoint() - grab_);
}

void WindowDrag::End() {
  qApp->removeEventFilter(this);
  element_ = nullptr;
  outline_->hide();
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event) {
  if (!element_) return false;
  switch (event->type()) {
    // Mouse events are taken where they first arrive, the window or a widget: while
    // several buttons are held Qt may hand a release to no widget at all.
    case QEvent::MouseMove:
      Follow(static_cast<QMouseEvent*>(event)->globalPosition());
      return false;
    // A second button pressed meanwhile changes nothing.
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      return true;
    case QEvent::MouseButtonRelease: {
      const auto* release = static_cast<QMouseEvent*>(event);
      if (release->buttons() != Qt::NoButton) return false;
      const QPoint at = window_->mapFromGlobal(release->globalPosition()).toPoint();
      const DragSource source = source_;
      End();
      QWidget* target = window_->childAt(at);
      emit dropped(source, target, target ? target->mapFrom(window_, at) : at);
      return false;
    }
    case QEvent::WindowBlocked:
      if (watched == window_) End();
      return false;
    case QEvent::Hide:
      if (watched == element_) End();
      return false;
    default:
      return false;
  }
}

}  // namespace tessara::app
