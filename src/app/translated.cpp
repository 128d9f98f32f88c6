#include "app/translated.h"

#include <QCoreApplication>

namespace tessara::app {
namespace {

// The pattern in the window's language, a count's plural form chosen; a counted pattern
// with no translation takes its English form.
QString Pattern(const Phrase& phrase) {
  if (*phrase.context == '\0') return QString::fromUtf8(phrase.pattern);
  if (phrase.count < 0) return QCoreApplication::translate(phrase.context, phrase.pattern);
  const QString translated =
      QCoreApplication::translate(phrase.context, phrase.pattern, nullptr, phrase.count);
  return translated.contains(QLatin1String("(s)"))
             ? QString::fromStdString(EnglishCount(phrase.pattern, phrase.count))
             : translated;
}

}  // namespace

QString Translated(const Phrase& phrase) {
  if (phrase.IsName()) return QString::fromStdString(phrase.name);
  const QString pattern = Pattern(phrase);
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

QString KeyTip(const QString& name, const QString& key) {
  return QCoreApplication::translate("Tips", "%1 — %2").arg(name, key);
}

}  // namespace tessara::app
