// tessara: the window program. It takes no arguments and reads no settings.
#include <QApplication>

#include "app/tessara_form.h"
#include "editor/commands.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessara"));
  tessara::app::Tessara_Form window;
  tessara::Form_Load(window.form());
  window.show();
  return QApplication::exec();
}
