#include "app/window_drag.h"

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
  element->installEventFilter(this);
  outline_->resize(element->size());
  Follow(grab);
  outline_->raise();
  outline_->show();
}

void WindowDrag::Follow(QPoint elementPos) {
  outline_->move(element_->mapTo(window_, elementPos) - grab_);
}

void WindowDrag::End() {
  if (element_) element_->removeEventFilter(this);
  element_ = nullptr;
  outline_->hide();
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event) {
  if (watched != element_) return false;
  switch (event->type()) {
    case QEvent::MouseMove:
      Follow(static_cast<QMouseEvent*>(event)->position().toPoint());
      return true;
    case QEvent::MouseButtonRelease: {
      const auto* release = static_cast<QMouseEvent*>(event);
      if (release->buttons() != Qt::NoButton) return true;  // ends with the last button
      const QPoint at = element_->mapTo(window_, release->position().toPoint());
      const DragSource source = source_;
      End();
      QWidget* target = window_->childAt(at);
      emit dropped(source, target, target ? target->mapFrom(window_, at) : at);
      return true;
    }
    case QEvent::Hide:
      End();
      return false;
    default:
      return false;
  }
}

}  // namespace tessara::app
