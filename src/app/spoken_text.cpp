#include "app/spoken_text.h"

#include <QAccessible>
#include <QCoreApplication>

namespace tessara::app {

void AnnounceValue(QObject* object, std::optional<int> value) {
  if (!QAccessible::isActive()) return;
  QAccessibleValueChangeEvent event(object, value ? QVariant(*value) : QVariant());
  QAccessible::updateAccessibility(&event);
}

void AnnounceFocus(QObject* object) {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(object, QAccessible::Focus);
  QAccessible::updateAccessibility(&event);
}

}  // namespace tessara::app
