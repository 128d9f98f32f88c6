// The languages the window speaks: English, the source of every text, and the
// translations built into the program (translations/tessara_*.ts). The language follows
// the system's locale unless the command line names one.
#pragma once

#include <QLocale>
#include <QStringList>
#include <optional>

class QCoreApplication;

namespace tessara::app {

// The codes of the translations, as --lang takes them: de, es, fr, pt_BR, zh_CN.
QStringList LanguageCodes();

// The language of code, as --lang takes it; none for "". An unknown code is written to
// stderr with the codes known and chooses English.
std::optional<QLocale> LanguageOption(const QString& code);

// Installs on application the translations of locale (its languages in order of
// preference): the program's own, and with them Qt's (qtbase_*.qm from the system, for
// Yes, No, Cancel and the file dialog); a locale the program has no translation for, as
// English, stays wholly English. Makes locale the default locale. Call before any window
// is made. Returns whether the program's own translation was found.
bool InstallTranslations(QCoreApplication& application, const QLocale& locale);

}  // namespace tessara::app
