#include "app/spoken_text.h"

#include <QAccessible>
#include <QCoreApplication>

namespace tessara::app {

void AnnounceFocus(QObject* object) {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(object, QAccessible::Focus);
  QAccessible::updateAccessibility(&event);
}

}  // namespace tessara::app
