#include "app/translated.h"

#include <QCoreApplication>

namespace tessara::app {

QString Translated(const Phrase& phrase) {
  if (phrase.IsName()) return QString::fromStdString(phrase.name);
  const QString pattern = *phrase.context == '\0'
                              ? QString::fromUtf8(phrase.pattern)
                              : QCoreApplication::translate(phrase.context, phrase.pattern);
  QString text;
  for (qsizetype k = 0; k < pattern.size(); ++k) {
    const QChar next = k + 1 < pattern.size() ? pattern[k + 1] : QChar();
    const qsizetype n = next.digitValue();
    if (pattern[k] == QLatin1Char('%') && n >= 1 && n <= qsizetype(phrase.parts.size())) {
      text += Translated(phrase.parts[std::size_t(n - 1)]);
      ++k;
    } else {
      text += pattern[k];
    }
  }
  return text;
}

}  // namespace tessara::app
