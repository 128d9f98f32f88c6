// tessara: the window program. "tessara FILE" opens FILE at start as File > Open
// would; further arguments are ignored. "--lang CODE" chooses the window's language
// (app/languages.h), else the system's locale does. It reads no settings; it keeps its
// circuit recoverable in the user's application data folder.
#include <QApplication>

#include "app/languages.h"
#include "app/recovery.h"
#include "app/start_window.h"
#include "app/tessara_form.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessara"));
  // Ties the window to tessara.desktop, whose icon and name the desktop then shows.
  QGuiApplication::setDesktopFileName(QStringLiteral("tessara"));
  QStringList arguments = QApplication::arguments().mid(1);
  tessara::app::InstallTranslations(
      application, tessara::app::TakeLanguageOption(arguments).value_or(QLocale::system()));
  tessara::app::Tessara_Form window;
  tessara::app::StartWindow(window, arguments, tessara::app::CrashRecovery::DefaultFolder());
  return QApplication::exec();
}
