#include "app/elements.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>

#include "app/twips.h"

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

void PictureElement::SetBorderStyle(int style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
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
}

void PictureElement::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit pressed();
}

PoolImage::PoolImage(QWidget* canvas, DragSource identity, Single sizeTwips, Art art)
    : PictureElement(canvas, art, TwipsRect(0, 0, sizeTwips, sizeTwips)), identity_(identity) {
  hide();
}

void PoolImage::SetVisible(bool visible) { setVisible(visible); }

void PoolImage::SetPicture(Picture picture) {
  picture_ = picture;
  if (identity_.pool == DragPool::ObjImage) SetArt(Art::FromPicture(picture));
}

void PoolImage::mousePressEvent(QMouseEvent* event) {
  lastPress_ = event->position().toPoint();
  lastPressTime_ = event->timestamp();
  const Single x = ToTwips(event->position().x()), y = ToTwips(event->position().y());
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

ValueLabel::ValueLabel(QWidget* canvas) : QLabel(QStringLiteral("0"), canvas) {
  setGeometry(TwipsRect(0, 0, 135, 255));
  setAlignment(Qt::AlignCenter);
  setAutoFillBackground(true);  // in the canvas's font and white, which it shares
  hide();
}

void ValueLabel::SetVisible(bool visible) { setVisible(visible); }

void ValueLabel::SetText(std::string_view text) {
  setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace tessara::app
