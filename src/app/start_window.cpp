#include "app/start_window.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

#include "app/end_signals.h"
#include "app/main_window.h"
#include "app/recovery.h"
#include "editor/commands.h"

namespace tessara::app {

void StartWindow(MainWindow& window, const QStringList& arguments, const QString& recoveryFolder) {
  OnWindowOpen(window.form());
  window.show();
  auto* recovery = new CrashRecovery(window.Context(), recoveryFolder, &window);
  QObject::connect(new EndSignals(&window), &EndSignals::received, recovery, [recovery] {
    recovery->KeepForNextStart();
    QCoreApplication::exit(0);
  });
  const std::string path =
      arguments.isEmpty() ? "" : QFileInfo(arguments.first()).absoluteFilePath().toStdString();
  // From the event loop, so that the boxes open over the window on screen.
  QTimer::singleShot(0, &window, [&window, recovery, path] {
    recovery->OfferLeftovers();
    if (path.empty()) return;
    // A recovered circuit is edited: the unsaved-changes question guards it.
    window.Act([&path](Form& form) {
      if (OnWindowClose(form)) LoadCircuit(form, path);
    });
  });
}

}  // namespace tessara::app
