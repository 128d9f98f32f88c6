#include "app/elements.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>
#include <utility>

#include "app/spoken_text.h"
#include "app/twips.h"
#include "picture/canvas_drawing.h"

namespace tessara::app {

PictureElement::PictureElement(QWidget* parent, Art art, QRect geometry)
    : QWidget(parent), art_(art) {
  setGeometry(geometry);
}

void PictureElement::SetArt(Art art) {
  if (art == art_) return;
  art_ = art;
  update();
}

void PictureElement::SetRoving(bool roving) {
  roving_ = roving;
  setFocusPolicy(roving_ && borderStyle_ == 1 ? Qt::TabFocus : Qt::NoFocus);
}

void PictureElement::SetBorderStyle(int style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  if (roving_) SetRoving(true);
  update();
}

void PictureElement::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QImage picture = FittedPicture(art_, size(), devicePixelRatioF());
  if (!picture.isNull()) painter.drawImage(rect(), picture);
  if (borderStyle_ == 1) {
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
  if (hasFocus()) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DotLine));
    painter.drawRect(rect().adjusted(3, 3, -4, -4));
  }
}

void PictureElement::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit pressed();
}

void PictureElement::keyPressEvent(QKeyEvent* event) {
  if (event->modifiers() & ~Qt::KeypadModifier) return event->ignore();
  switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Delete:
      emit activated();
      break;
    case Qt::Key_Left:
      emit stepped({-1, 0});
      break;
    case Qt::Key_Right:
      emit stepped({1, 0});
      break;
    case Qt::Key_Up:
      emit stepped({0, -1});
      break;
    case Qt::Key_Down:
      emit stepped({0, 1});
      break;
    default:
      event->ignore();
  }
}

void PictureElement::focusInEvent(QFocusEvent*) { update(); }
void PictureElement::focusOutEvent(QFocusEvent*) { update(); }

PoolImage::PoolImage(QWidget* canvas, DragSource identity, float sizeTwips, Art art)
    : PictureElement(canvas, art, TwipsRect(0, 0, sizeTwips, sizeTwips)), identity_(identity) {
  hide();
}

void PoolImage::SetVisible(bool visible) { setVisible(visible); }

void PoolImage::SetPicture(Picture picture) {
  picture_ = picture;
  if (identity_.pool == DragPool::GateImage) SetArt(Art::FromPicture(picture));
}

void PoolImage::SetHighlight(bool on) {
  if (on == highlighted_) return;
  highlighted_ = on;
  update();
}

void PoolImage::SetName(std::string_view name) {
  const QString text = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  if (text == name_) return;
  name_ = text;
  update();
}

void PoolImage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintPoolImage(painter, rect(), Drawn(), devicePixelRatioF(), highlighted_, name_,
                 NamePlaceOf(picture_));
}

void PoolImage::SetSpoken(const Spoken& spoken) {
  if (spoken == spoken_) return;
  const Spoken before = std::exchange(spoken_, spoken);
  if (spoken_.name != before.name) setAccessibleName(Translated(spoken_.name));
  if (spoken_.focused && !before.focused && parentWidget()->hasFocus()) AnnounceFocus(this);
}

void PoolImage::mousePressEvent(QMouseEvent* event) {
  lastPress_ = event->position().toPoint();
  lastPressTime_ = event->timestamp();
  const float x = ToTwips(event->position().x()), y = ToTwips(event->position().y());
  if (dragMode_ == DragMode::Automatic) {
    emit dragWanted(identity_, x, y);
  } else {
    emit pressedAt(identity_, x, y);
  }
}

// Takes the place of the second press: no press handler runs and no drag starts. In
// both drag modes it turns the gate (the first press's drag ended on the image itself).
void PoolImage::mouseDoubleClickEvent(QMouseEvent* event) {
  const bool tookFirstPress =
      lastPressTime_ && event->timestamp() >= *lastPressTime_ &&
      event->timestamp() - *lastPressTime_ <=
          static_cast<quint64>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
  lastPressTime_.reset();
  if (!tookFirstPress) return;
  emit doubleClicked(identity_);
}

PoolLabel::PoolLabel(QWidget* canvas) : QLabel(QStringLiteral("0"), canvas) {
  setGeometry(TwipsRect(0, 0, 135, 255));
  setAlignment(Qt::AlignCenter);  // in the canvas's font and colours, which it shares
  hide();
}

void PoolLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintValueLabel(painter, rect(), text(), palette().color(QPalette::WindowText),
                  devicePixelRatioF());
}

void PoolLabel::SetVisible(bool visible) { setVisible(visible); }

void PoolLabel::SetText(std::string_view text) {
  setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void PoolLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit pressed();
}

}  // namespace tessara::app
