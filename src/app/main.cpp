// tessara: the window program. "tessara FILE" opens FILE at start as File > Open
// would; further files are ignored. "--lang CODE" chooses the window's language
// (app/languages.h), else the system's locale does; --help and --version answer on
// stdout without a window (app/command_line.h). It reads no settings; it keeps its
// circuit recoverable in the user's application data folder.
#include <QApplication>
#include <cstdio>

#include "app/command_line.h"
#include "app/languages.h"
#include "app/main_window.h"
#include "app/recovery.h"
#include "app/start_window.h"

int main(int argc, char** argv) {
  using tessara::app::CommandLine;
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const CommandLine line = tessara::app::ReadCommandLine(arguments);
  switch (line.act) {
    case CommandLine::Act::Help:
      std::fputs(qPrintable(tessara::app::UsageText()), stdout);
      return 0;
    case CommandLine::Act::Version:
      std::fputs(qPrintable(tessara::app::VersionText()), stdout);
      return 0;
    case CommandLine::Act::Misuse:
      std::fprintf(stderr, "tessara: %s\n%s", qPrintable(line.error),
                   qPrintable(tessara::app::UsageText()));
      return 2;
    case CommandLine::Act::Open:
      break;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessara"));
  // Ties the window to tessara.desktop, whose icon and name the desktop then shows.
  QGuiApplication::setDesktopFileName(QStringLiteral("tessara"));
  tessara::app::InstallTranslations(
      application, tessara::app::LanguageOption(line.language).value_or(QLocale::system()));
  tessara::app::MainWindow window;
  tessara::app::StartWindow(window, line.files, tessara::app::CrashRecovery::DefaultFolder());
  return QApplication::exec();
}
