#include "app/accessibility.h"

#include <QAccessibleWidget>

#include "app/canvas.h"
#include "app/elements.h"

namespace tessara::app {
namespace {

// A palette button (a radio button, checked while bordered) or the trash can.
class ElementAccessible : public QAccessibleWidget {
 public:
  explicit ElementAccessible(PictureElement* element)
      : QAccessibleWidget(element), element_(element) {}

  // Asked each time: the element may be made before it is known to be a palette button.
  QAccessible::Role role() const override {
    return element_->Roving() ? QAccessible::RadioButton : QAccessible::Button;
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    if (role() == QAccessible::RadioButton) {
      state.checkable = true;
      state.checked = element_->BorderStyle() == 1;
    }
    return state;
  }

 private:
  PictureElement* element_;
};

// A gate image or node marker: its value, and the focus while the keyboard is on it.
class PoolImageAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit PoolImageAccessible(PoolImage* image)
      : QAccessibleWidget(image, QAccessible::Graphic), image_(image) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.focusable = true;
    state.focused = image_->GetSpoken().focused && image_->parentWidget()->hasFocus();
    return state;
  }

  QVariant currentValue() const override {
    const std::optional<int> value = image_->GetSpoken().value;
    return value ? QVariant(*value) : QVariant();
  }
  void setCurrentValue(const QVariant&) override {}
  QVariant maximumValue() const override { return 1; }
  QVariant minimumValue() const override { return 0; }
  QVariant minimumStepSize() const override { return 1; }

 private:
  PoolImage* image_;
};

// The canvas; its focus is the focused gate's image or marker.
class CanvasAccessible : public QAccessibleWidget {
 public:
  explicit CanvasAccessible(Tessara_Frame* canvas)
      : QAccessibleWidget(canvas, QAccessible::Canvas) {}

  QAccessibleInterface* focusChild() const override {
    for (PoolImage* image : widget()->findChildren<PoolImage*>(Qt::FindDirectChildrenOnly)) {
      if (image->isVisible() && image->GetSpoken().focused) {
        return QAccessible::queryAccessibleInterface(image);
      }
    }
    return QAccessibleWidget::focusChild();
  }
};

QAccessibleInterface* MakeInterface(const QString&, QObject* object) {
  if (auto* image = qobject_cast<PoolImage*>(object)) return new PoolImageAccessible(image);
  if (auto* element = qobject_cast<PictureElement*>(object)) return new ElementAccessible(element);
  if (auto* canvas = qobject_cast<Tessara_Frame*>(object)) return new CanvasAccessible(canvas);
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  static const bool installed = (QAccessible::installFactory(MakeInterface), true);
  (void)installed;
}

}  // namespace tessara::app
