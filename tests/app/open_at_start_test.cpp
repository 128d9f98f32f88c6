// "tessara FILE": the window starts as always, then opens FILE as File > Open would.
#include <sys/stat.h>

#include <QDir>
#include <QMessageBox>

#include "app/start_window.h"
#include "circuits.h"
#include "io/circuit_file.h"
#include "temp_folder.h"
#include "window_fixture.h"

namespace tessara::app {
namespace {

constexpr int kLoadWaitMs = 5000;

// A circuit of one input linked to one NOT gate, as the writer saves it.
std::string TwoGateCircuit() {
  Document doc;
  testing::PutGate(doc, 0, kInputGate, 0, 900);
  testing::PutGate(doc, 1, kNotGate, 2400, 900);
  testing::PutLink(doc, 0, 0, 1);
  return WriteCircuit(doc);
}

class OpenAtStart : public ::testing::Test {
 protected:
  std::string At(const char* name) const { return (folder.path() / name).string(); }
  testing::TempFolder folder;
};

TEST_F(OpenAtStart, FileGivenByFullOrRelativePathIsShownUnderItsFullPathAndNoneLeavesTheCanvasEmpty) {
  testing::WriteFile(At("half.cir"), TwoGateCircuit());
  const QString before = QDir::currentPath();
  QDir::setCurrent(QString::fromStdString(folder.path().string()));
  for (const QStringList& arguments : {QStringList{QString::fromStdString(At("half.cir")), "ignored.cir"},
                                       QStringList{"half.cir"}, QStringList{}}) {
    Tessara_Form window;
    StartWindow(window, arguments);
    const bool loaded = QTest::qWaitFor([&] { return window.windowTitle() != "Tessara"; },
                                        arguments.isEmpty() ? 50 : kLoadWaitMs);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(loaded, !arguments.isEmpty()) << arguments.join(' ').toStdString();
    if (!loaded) {
      EXPECT_FALSE(window.form().doc.Gates(0).GetUsed());
      continue;
    }
    EXPECT_EQ(window.windowTitle().toStdString(), "Tessara - " + At("half.cir"));
    EXPECT_EQ(WriteCircuit(window.form().doc), TwoGateCircuit());
    EXPECT_TRUE(window.findChild<QWidget*>(QStringLiteral("ObjImage(1)"))->isVisible());
  }
  QDir::setCurrent(before);
}

TEST_F(OpenAtStart, DamagedOrMissingFileShowsAnErrorOverAnEmptyCircuit) {
  testing::WriteFile(At("damaged.cir"), "\"Tessara\"\r\n\"Orvandel\"\r\nnot a circuit\r\n");
  ASSERT_EQ(mkfifo(At("pipe.cir").c_str(), 0600), 0) << "a named pipe with no writer is refused, not waited on";
  for (const std::string& path : {At("damaged.cir"), At("missing.cir"), At("pipe.cir")}) {
    Tessara_Form window;
    QString title, text;
    bool parentShown = false;
    ModalWatcher watcher([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      title = box->windowTitle();
      text = box->text();
      parentShown = box->parentWidget() == &window && window.isVisible();
    });
    StartWindow(window, {QString::fromStdString(path)});
    ASSERT_TRUE(QTest::qWaitFor([&] { return watcher.seen(); }, kLoadWaitMs)) << path;
    EXPECT_EQ(title, QStringLiteral("Error"));
    EXPECT_TRUE(text.contains(QString::fromStdString(path))) << text.toStdString();
    EXPECT_TRUE(parentShown);
    EXPECT_FALSE(window.form().doc.Gates(0).GetUsed());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tessara"));
  }
}

}  // namespace
}  // namespace tessara::app
