#include "app/focus_frames.h"

#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOption>

namespace tessara::app {
namespace {

// The application's style with the frame drawn over a focused button.
class KeyboardFocusStyle : public QProxyStyle {
 public:
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element != CE_PushButton || !(option->state & State_HasFocus) ||
        !(option->state & State_KeyboardFocusChange)) {
      return;
    }
    painter->save();
    painter->setPen(QPen(option->palette.color(QPalette::ButtonText), 1, Qt::DotLine));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(3, 3, -4, -4));
    painter->restore();
  }
};

}  // namespace

void FrameKeyboardFocus(QWidget& root) {
  static auto* const style = new KeyboardFocusStyle;  // shared by every button, never freed
  for (QPushButton* button : root.findChildren<QPushButton*>()) button->setStyle(style);
}

}  // namespace tessara::app
