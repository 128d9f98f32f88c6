// Crash recovery on the real window: a program's own file, written after an edit and
// removed by a save and a normal exit, never offered while it runs. What a start offers
// after kill -9 and SIGTERM is tests/smoke/recovery.sh's.
#include "app/recovery.h"

#include <filesystem>

#include "io/circuit_file.h"
#include "temp_folder.h"
#include "window_fixture.h"

namespace tessara::app {
namespace {

namespace fs = std::filesystem;

// The caption's modified mark, which the recovery follows, comes and goes with it.
TEST_F(WindowTest, EditedCircuitIsKeptInAFileOfItsOwnUntilSavedOrANormalExit) {
  testing::TempFolder folder;
  const QString where = QString::fromStdString(folder.path().string());
  auto* recovery = new CrashRecovery(window.Context(), where, &window);
  CrashRecovery second(window.Context(), where, nullptr);
  PlaceWith("NotGateButton", {300, 300});
  EXPECT_TRUE(window.isWindowModified());
  EXPECT_EQ(window.Caption().English(), "Tessara");
  QTest::qWait(200);
  PlaceWith("NotGateButton", {600, 300});
  EXPECT_LE(recovery->WriteDue(), CrashRecovery::kDelay - std::chrono::milliseconds(100))
      << "a later edit leaves the write as due as it was";
  ASSERT_GT(recovery->WriteDue().count(), 0);
  recovery->WriteNow();
  EXPECT_EQ(testing::ReadFile(recovery->Own().circuit), WriteCircuit(doc()));
  EXPECT_NE(second.Own().circuit, recovery->Own().circuit);
  ModalWatcher offer([](QWidget*) {});
  second.OfferLeftovers();
  EXPECT_FALSE(offer.seen()) << "the file of a program still running was offered";
  const std::string saved = (folder.path() / "not.cir").string();
  AnswerFileDialogs(saved);
  QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
  EXPECT_FALSE(window.isWindowModified());
  EXPECT_FALSE(fs::exists(recovery->Own().circuit)) << "after Save";
  PlaceWith("NotGateButton", {300, 400});
  recovery->WriteNow();
  const std::string own = recovery->Own().circuit;
  delete recovery;
  EXPECT_FALSE(fs::exists(own)) << "after a normal exit";
}

}  // namespace
}  // namespace tessara::app
