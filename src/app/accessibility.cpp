#include "app/accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>

#include "app/canvas.h"
#include "app/elements.h"

namespace tessara::app {
namespace {

// A palette button (a radio button, checked while bordered) or the trash can; each
// offers "press", which does what Enter does on it.
class ElementAccessible : public QAccessibleWidget {
 public:
  explicit ElementAccessible(PictureElement* element)
      : QAccessibleWidget(element), element_(element) {}

  QStringList actionNames() const override {
    return QStringList(pressAction()) + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == pressAction()) {
      emit element_->activated();
    } else {
      QAccessibleWidget::doAction(action);
    }
  }

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

// A gate image or node marker, its value a part of its name (so it offers no value to
// step up or down), and the focus while the keyboard is on it.
class PoolImageAccessible : public QAccessibleWidget {
 public:
  explicit PoolImageAccessible(PoolImage* image)
      : QAccessibleWidget(image, QAccessible::Graphic), image_(image) {}

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.focusable = true;
    state.focused = image_->GetSpoken().focused && image_->parentWidget()->hasFocus();
    return state;
  }

 private:
  PoolImage* image_;
};

// The canvas; its focus is the focused gate's image or marker. Its children are what it
// shows by name: the gates and bends on it and its headings, never a hidden element, a
// value label (each value is in its gate's name) or a layer it paints on.
class CanvasAccessible : public QAccessibleWidget {
 public:
  explicit CanvasAccessible(CanvasPanel* canvas) : QAccessibleWidget(canvas, QAccessible::Canvas) {}

  int childCount() const override { return static_cast<int>(Shown().size()); }
  QAccessibleInterface* child(int index) const override {
    const QList<QWidget*> shown = Shown();
    return index >= 0 && index < shown.size() ? QAccessible::queryAccessibleInterface(shown[index])
                                              : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child ? static_cast<int>(Shown().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
  }

  QList<QWidget*> Shown() const {
    QList<QWidget*> shown;
    for (QWidget* child : widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      const bool named = qobject_cast<PoolImage*>(child) ||
                         (qobject_cast<QLabel*>(child) && !qobject_cast<PoolLabel*>(child));
      if (named && child->isVisible()) shown << child;
    }
    return shown;
  }

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
  if (auto* canvas = qobject_cast<CanvasPanel*>(object)) return new CanvasAccessible(canvas);
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  static const bool installed = (QAccessible::installFactory(MakeInterface), true);
  (void)installed;
}

}  // namespace tessara::app
