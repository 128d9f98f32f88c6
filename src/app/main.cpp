// tessara: the window program. "tessara FILE" opens FILE at start as File > Open
// would; further arguments are ignored. It reads no settings; it keeps its circuit
// recoverable in the user's application data folder.
#include <QApplication>

#include "app/recovery.h"
#include "app/start_window.h"
#include "app/tessara_form.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessara"));
  // Ties the window to tessara.desktop, whose icon and name the desktop then shows.
  QGuiApplication::setDesktopFileName(QStringLiteral("tessara"));
  tessara::app::Tessara_Form window;
  tessara::app::StartWindow(window, QApplication::arguments().mid(1),
                            tessara::app::CrashRecovery::DefaultFolder());
  return QApplication::exec();
}
