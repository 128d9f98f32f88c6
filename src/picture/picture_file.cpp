#include "picture/picture_file.h"

#include <QGuiApplication>
#include <memory>

#include "picture/circuit_picture.h"
#include "view/display.h"
#include "view/kept_screen.h"

namespace tessara {

std::optional<Phrase> WriteCircuitPicture(const Document& doc, const std::string& path, int scale) {
  static int argc = 1;
  static char name[] = "tessara-sim";
  static char* argv[] = {name, nullptr};
  std::unique_ptr<QGuiApplication> application;
  if (!QGuiApplication::instance()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    application = std::make_unique<QGuiApplication>(argc, argv);
  }
  KeptScreen screen;
  Scene scene;
  scene.doc = doc.Clone();
  DrawCircuit(scene, screen, {}, false);
  return app::SaveCircuitPicture(screen, {QGuiApplication::font()}, path, scale);
}

}  // namespace tessara
