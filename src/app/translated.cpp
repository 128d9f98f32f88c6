#include "app/translated.h"

#include <QCoreApplication>

namespace tessara::app {

QString Translated(const Phrase& phrase) {
  const QString pattern = QCoreApplication::translate(phrase.context, phrase.pattern);
  return QString::fromStdString(Fill(pattern.toStdString(), phrase.args));
}

}  // namespace tessara::app
