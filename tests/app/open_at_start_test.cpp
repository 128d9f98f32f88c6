// "tessara FILE": the window starts as always, then opens FILE as File > Open would.
#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>
#include <fstream>

#include "../support/circuits.h"
#include "app/start_window.h"
#include "io/circuit_file.h"
#include "model/types.h"
#include "window_fixture.h"

namespace tessara::app {
namespace {

constexpr int kLoadWaitMs = 5000;

class OpenAtStart : public ::testing::Test {
 protected:
  std::string Write(const char* name, const std::string& text) {
    const std::string path = (folder.path() + "/" + name).toStdString();
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  // A circuit of one input linked to one NOT gate, as the writer saves it.
  static std::string TwoGateCircuit() {
    Document doc;
    testing::PutGate(doc, 0, kInputGate, 0, 900);
    testing::PutGate(doc, 1, kNotGate, 2400, 900);
    testing::PutLink(doc, 0, 0, 1);
    return WriteCircuit(doc);
  }
  bool Shows(int slot) {
    auto* image = window.findChild<QWidget*>(QStringLiteral("ObjImage(%1)").arg(slot));
    return image && image->isVisible();
  }

  QTemporaryDir folder;
  Tessara_Form window;
};

TEST_F(OpenAtStart, NoArgumentStartsEmptyUnderThePlainCaption) {
  StartWindow(window, {});
  QTest::qWait(50);
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Tessara"));
  EXPECT_FALSE(window.form().doc.Gates(0).GetUsed());
}

TEST_F(OpenAtStart, ValidFileIsShownUnderItsFullPath) {
  const std::string path = Write("half.cir", TwoGateCircuit());
  StartWindow(window, {QString::fromStdString(path), QStringLiteral("ignored.cir")});
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.windowTitle() != "Tessara"; }, kLoadWaitMs));
  EXPECT_EQ(window.windowTitle().toStdString(), "Tessara - " + path);
  EXPECT_EQ(WriteCircuit(window.form().doc), TwoGateCircuit());
  EXPECT_TRUE(Shows(0));
  EXPECT_TRUE(Shows(1));
}

TEST_F(OpenAtStart, RelativePathIsOpenedFromTheCurrentFolder) {
  Write("here.cir", TwoGateCircuit());
  const QString before = QDir::currentPath();
  QDir::setCurrent(folder.path());
  StartWindow(window, {QStringLiteral("here.cir")});
  const bool loaded =
      QTest::qWaitFor([&] { return window.windowTitle() != "Tessara"; }, kLoadWaitMs);
  QDir::setCurrent(before);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(window.windowTitle(), "Tessara - " + folder.path() + "/here.cir");
}

TEST_F(OpenAtStart, DamagedOrMissingFileShowsAnErrorOverAnEmptyCircuit) {
  const std::string damaged = Write("damaged.cir", "\"Tessara\"\r\n\"Orvandel\"\r\nnot a circuit\r\n");
  for (const std::string& path : {damaged, folder.path().toStdString() + "/missing.cir"}) {
    Tessara_Form fresh;
    QString title, text;
    bool parentShown = false;
    ModalWatcher watcher([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      title = box->windowTitle();
      text = box->text();
      parentShown = box->parentWidget() == &fresh && fresh.isVisible();
    });
    StartWindow(fresh, {QString::fromStdString(path)});
    ASSERT_TRUE(QTest::qWaitFor([&] { return watcher.seen(); }, kLoadWaitMs)) << path;
    EXPECT_EQ(title, QStringLiteral("Error"));
    EXPECT_TRUE(text.contains(QString::fromStdString(path))) << text.toStdString();
    EXPECT_TRUE(parentShown);
    EXPECT_FALSE(fresh.form().doc.Gates(0).GetUsed());
    EXPECT_EQ(fresh.windowTitle(), QStringLiteral("Tessara"));
  }
}

}  // namespace
}  // namespace tessara::app
