// The yardsticks for start-up time and memory: the least a Qt Widgets program does to
// show a window of the same size with a title, and (with --text) the same window
// showing one word, which makes Qt load the system's fonts as any window with text must.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("Tessara");
  window.setFixedSize(725, 570);
  if (argc > 1 && QString::fromLocal8Bit(argv[1]) == "--text") {
    new QLabel(QStringLiteral("Tools"), &window);
  }
  window.show();
  return app.exec();
}
