// The yardstick for start-up time and memory: the least a Qt Widgets program does to
// show a window of the same size with a title.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("Tessara");
  window.setFixedSize(725, 570);
  window.show();
  return app.exec();
}
