// A shown main window after start-up, and the gestures the tests make on it with real
// mouse events (through the platform, so the window's grabs and double-clicks apply).
#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/canvas.h"
#include "app/main_window.h"
#include "app/twips.h"
#include "editor/commands.h"
#include "editor/stepping.h"

namespace tessara::app {
class WindowTest : public ::testing::Test {
 public:  // the rows of table tests drive it too
  WindowTest() {
    OnWindowOpen(window.form());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) ADD_FAILURE() << "the window was not shown";
  }
  template <typename T = QWidget>
  T* Find(const QString& name) {
    T* found = window.findChild<T*>(name);
    if (!found) ADD_FAILURE() << "no element named " << name.toStdString();
    return found;
  }
  QWidget* Image(int slot) { return Find(QStringLiteral("GateImage(%1)").arg(slot)); }
  QWidget* Marker(int slot) { return Find(QStringLiteral("NodeMarker(%1)").arg(slot)); }
  Document& doc() { return window.form().doc; }
  // Every file dialog answers path, as it is when asked, with the first filter.
  void AnswerFileDialogs(const std::string& path) {
    window.Dialogs().SetFileChooser([&path](FileDialogMode, std::string_view, std::size_t,
                                            const std::string&) { return FileChoice{path}; });
  }
  // Left-button gestures at pixel points of a widget.
  void Press(QWidget* w, QPoint at) { QTest::mousePress(w, Qt::LeftButton, {}, at); }
  void Release(QWidget* w, QPoint at) { QTest::mouseRelease(w, Qt::LeftButton, {}, at); }
  void MoveTo(QWidget* w, QPoint at) { QTest::mouseMove(w, at); }
  void Click(QWidget* w, QPoint at = {}) { QTest::mouseClick(w, Qt::LeftButton, {}, at); }
  // Chooses the tool of a palette button and presses the canvas at pixel at.
  void PlaceWith(const char* button, QPoint at) {
    Click(Find(QString::fromLatin1(button)));
    Click(&window.Canvas(), at);
  }
  // Presses from on w, moves over to, and releases there; to is in w's coordinates.
  void Drag(QWidget* w, QPoint from, QPoint to) {
    Press(w, from);
    MoveTo(w, (from + to) / 2);
    MoveTo(w, to);
    Release(w, to);
  }
  // Where a point of one widget lies in another's coordinates.
  QPoint Map(QWidget* from, QPoint at, QWidget* to) {
    return to->mapFromGlobal(from->mapToGlobal(at));
  }
  MainWindow window;
};

// Runs inspect on the next modal window to open, then closes that window. Use before
// the step that opens it; seen() tells whether one opened.
class ModalWatcher {
 public:
  explicit ModalWatcher(std::function<void(QWidget*)> inspect) : inspect_(std::move(inspect)) {
    Poll();
  }
  bool seen() const { return seen_; }

 private:
  void Poll() {
    QTimer::singleShot(5, &context_, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal) return Poll();
      seen_ = true;
      inspect_(modal);
      if (modal->isVisible()) modal->close();
    });
  }
  std::function<void(QWidget*)> inspect_;
  QObject context_;
  bool seen_ = false;
};
}  // namespace tessara::app
