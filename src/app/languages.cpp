#include "app/languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>

namespace tessara::app {
namespace {

constexpr const char* kCodes[] = {"de", "es", "fr", "pt_BR", "zh_CN"};

// A translator owned by application, loaded from the files of locale named prefix_*.qm
// in folder; none when there is no such file.
bool Install(QCoreApplication& application, const QLocale& locale, const QString& prefix,
             const QString& folder) {
  auto* translator = new QTranslator(&application);
  if (!translator->load(locale, prefix, QStringLiteral("_"), folder)) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  return true;
}

}  // namespace

QStringList LanguageCodes() {
  QStringList codes;
  for (const char* code : kCodes) codes << QString::fromLatin1(code);
  return codes;
}

std::optional<QLocale> LanguageOption(const QString& code) {
  if (code.isEmpty()) return std::nullopt;
  if (LanguageCodes().contains(code)) return QLocale(code);
  std::fprintf(stderr, "tessara: unknown language '%s' for --lang (known: %s); using English\n",
               qPrintable(code), qPrintable(LanguageCodes().join(QStringLiteral(", "))));
  return QLocale(QLocale::English, QLocale::UnitedStates);
}

bool InstallTranslations(QCoreApplication& application, const QLocale& locale) {
  QLocale::setDefault(locale);
  // Qt's own texts only beside the program's, so that a window is in one language.
  if (!Install(application, locale, QStringLiteral("tessara"), QStringLiteral(":/i18n"))) {
    return false;
  }
  Install(application, locale, QStringLiteral("qtbase"),
          QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  return true;
}

}  // namespace tessara::app
