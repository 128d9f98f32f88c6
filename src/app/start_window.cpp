#include "app/start_window.h"

#include <QFileInfo>
#include <QTimer>

#include "app/tessara_form.h"
#include "editor/commands.h"

namespace tessara::app {

void StartWindow(Tessara_Form& window, const QStringList& arguments) {
  Form_Load(window.form());
  window.show();
  if (arguments.isEmpty()) return;
  const std::string path = QFileInfo(arguments.first()).absoluteFilePath().toStdString();
  // From the event loop, so that an "Error" box opens over the window on screen.
  QTimer::singleShot(0, &window, [&window, path] {
    window.Act([&path](Form& form) { LoadCircuit(form, path); });
  });
}

}  // namespace tessara::app
