#include "app/translated.h"

#include <QCoreApplication>

namespace tessara::app {

QString Translated(const Phrase& phrase) {
  if (phrase.IsName()) return QString::fromStdString(phrase.name);
  std::vector<std::string> parts;
  parts.reserve(phrase.parts.size());
  for (const Phrase& part : phrase.parts) parts.push_back(Translated(part).toStdString());
  const QString pattern = QCoreApplication::translate(phrase.context, phrase.pattern);
  return QString::fromStdString(Fill(pattern.toStdString(), parts));
}

}  // namespace tessara::app
