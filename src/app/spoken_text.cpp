#include "app/spoken_text.h"

#include <QAccessible>
#include <QCoreApplication>

namespace tessara::app {

QString Translated(const Phrase& phrase) {
  if (phrase.pattern.empty()) return QString::fromStdString(phrase.name);
  // A marked pattern is a string literal, so its view ends where the literal does.
  QString text = QCoreApplication::translate(kPhraseContext, phrase.pattern.data());
  for (const Phrase& part : phrase.parts) text = text.arg(Translated(part));
  return text;
}

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
