// Crash recovery on the real window: a program's own files, written after an edit and
// removed by a save and a normal exit; what a start offers. The kill -9 of the real
// program is tests/smoke/recovery.sh.
#include "app/recovery.h"

#include <QAbstractButton>
#include <QDir>
#include <QMessageBox>
#include <deque>
#include <filesystem>

#include "app/start_window.h"
#include "circuits.h"
#include "io/circuit_file.h"
#include "temp_folder.h"
#include "window_fixture.h"

namespace tessara::app {
namespace {

namespace fs = std::filesystem;

QString Where(const testing::TempFolder& folder) {
  return QString::fromStdString(folder.path().string());
}

TEST_F(WindowTest, EditedCircuitIsKeptInAFileOfItsOwnUntilSavedOrANormalExit) {
  testing::TempFolder folder;
  auto* recovery = new CrashRecovery(window.Context(), Where(folder), &window);
  CrashRecovery second(window.Context(), Where(folder), nullptr);
  PlaceWith("NotGateButton", {300, 300});
  ASSERT_TRUE(recovery->Waiting());
  recovery->WriteNow();
  EXPECT_EQ(testing::ReadFile(recovery->Own().circuit), WriteCircuit(doc()));
  EXPECT_NE(second.Own().circuit, recovery->Own().circuit);
  ModalWatcher offer([](QWidget*) {});
  second.OfferLeftovers();
  EXPECT_FALSE(offer.seen()) << "the file of a program still running was offered";
  const std::string saved = (folder.path() / "not.cir").string();
  AnswerFileDialogs(saved);
  QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
  EXPECT_FALSE(fs::exists(recovery->Own().circuit)) << "after Save";
  PlaceWith("NotGateButton", {300, 400});
  recovery->WriteNow();
  const std::string own = recovery->Own().circuit;
  delete recovery;
  EXPECT_FALSE(fs::exists(own)) << "after a normal exit";
}

// Two leftovers, the newer damaged: its "Error" box, then the other recovered; then the
// file named, whose unsaved-changes question is cancelled.
TEST(StartWindow, OffersLeftoversNewestFirstBeforeOpeningTheFileNamed) {
  testing::TempFolder folder;
  Document inverter;
  testing::PutGate(inverter, 0, kNotGate, 2000, 2000);
  const fs::path older =
      testing::WriteFile(folder.path() / "recovery-1.cir", WriteCircuit(inverter));
  testing::WriteFile(folder.path() / "recovery-1.origin", "/c/not.cir");
  fs::last_write_time(older, fs::last_write_time(older) - std::chrono::hours(1));
  testing::WriteFile(folder.path() / "recovery-2.cir", "junk");
  const std::string named = testing::WriteFile(folder.path() / "one.cir", "").string();
  Tessara_Form window;
  std::deque<QMessageBox::StandardButton> buttons = {QMessageBox::Yes, QMessageBox::Ok,
                                                     QMessageBox::Yes, QMessageBox::Cancel};
  QStringList titles;
  QTimer answer;
  answer.callOnTimeout([&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || buttons.empty()) return;
    titles << box->windowTitle();
    box->button(buttons.front())->click();
    buttons.pop_front();
  });
  answer.start(5);
  StartWindow(window, {QString::fromStdString(named)}, Where(folder));
  ASSERT_TRUE(QTest::qWaitFor([&] { return buttons.empty(); }, 5000));
  EXPECT_EQ(titles, (QStringList{"Recover Circuit", "Error", "Recover Circuit", "Tessara"}));
  EXPECT_EQ(window.Caption(), "Tessara - /c/not.cir");
  EXPECT_EQ(WriteCircuit(window.form().doc), WriteCircuit(inverter));
  EXPECT_EQ(testing::TempFolder::Names(folder.path()).size(), 4u) << "one.cir and its own three";
}

}  // namespace
}  // namespace tessara::app
