// Going back in time on the real window: Step Back and Step Forward by their
// shortcuts, the timeline window, and the run clock driven by hand.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <fstream>
#include <sstream>

#include "app/run_clock.h"
#include "app/timeline_view.h"
#include "app/timeline_window.h"
#include "temp_folder.h"
#include "window_fixture.h"

namespace tessara::app {
namespace {

class TimelineTest : public WindowTest {
 protected:
  TimelineTest() {
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) ADD_FAILURE() << "the window is not active";
  }
  void Open(const std::string& name) {
    ASSERT_TRUE(LoadCircuit(window.form(), TESSARA_EXAMPLES "/" + name));
  }
  void Ctrl(QWidget* w, Qt::Key key) { QTest::keyClick(w, key, Qt::ControlModifier); }
  void Press(const char* button) { Click(Find(QString::fromLatin1(button))); }
  bool Enabled(const char* command) { return Find<QAction>(QString::fromLatin1(command))->isEnabled(); }
  // Every value label as the window shows it.
  QStringList Labels() {
    QStringList labels;
    for (int i = 0; i < kSlotCount; ++i) {
      auto* label = Find<QLabel>(QStringLiteral("txtObjValue(%1)").arg(i));
      labels << (label->isVisible() ? label->text() : QStringLiteral("-"));
    }
    return labels;
  }
  const RunHistory& history() { return window.form().history; }
};

TEST_F(TimelineTest, StepBackShowsAnEarlierStepAndANewStepDropsTheStepsAhead) {
  Open("half_adder.cir");
  EXPECT_FALSE(Enabled("StepBack") || Enabled("StepForward") || Enabled("Run"));
  Press("Power");
  EXPECT_TRUE(Enabled("StepBack") && Enabled("StepForward") && Enabled("Run"));
  Click(Image(0));  // toggles I1
  Press("prop");
  const QStringList afterFirstProp = Labels();
  Press("prop");
  Press("prop");
  ASSERT_NE(Labels(), afterFirstProp);
  Ctrl(&window, Qt::Key_Left);
  Ctrl(&window, Qt::Key_Left);
  EXPECT_EQ(Labels(), afterFirstProp);
  EXPECT_EQ(Find<QPushButton>(QStringLiteral("Power"))->text(), QStringLiteral("Power Down"));
  for (int i = 0; i < 3; ++i) Ctrl(&window, Qt::Key_Right);
  EXPECT_EQ(history().Current(), 5u) << "past the last step Step Forward takes a fresh one";
  EXPECT_EQ(history().Step(5).cause, StepCause::Prop);

  Ctrl(&window, Qt::Key_Left);
  Click(Image(1));  // toggles I2 at step 4
  EXPECT_EQ(history().Last(), 5u);
  EXPECT_EQ(history().Step(5).cause, StepCause::Toggle);

  Press("Power");
  EXPECT_FALSE(history().Empty()) << "Power Down keeps the run";
  EXPECT_FALSE(Enabled("StepBack"));
  PlaceWith("NotGateButton", {300, 300});
  EXPECT_TRUE(history().Empty()) << "a change of the circuit forgets it";
}

TEST_F(TimelineTest, TimelineShowsTheLatchsRowsAndRepeatAndGoesToAClickedStep) {
  Open("sr_latch_nor.cir");
  Press("Power");
  for (int i = 0; i < 5; ++i) Press("prop");
  Ctrl(&window, Qt::Key_L);
  auto* timeline = window.findChild<TimelineWindow*>();
  ASSERT_TRUE(timeline && timeline->isVisible());
  EXPECT_EQ(timeline->windowTitle(), QStringLiteral("Tessara - Timeline"));
  QStringList rows;
  for (const SignalRow& row : timeline->View().Rows()) rows << QString::fromStdString(row.name);
  EXPECT_EQ(rows, (QStringList{"I1", "I2", "NOR 2", "NOR 3", "O1", "O2"}));
  EXPECT_EQ(timeline->Note(), QStringLiteral("repeats every 2 steps from step 1"));

  TimelineView& view = timeline->View();
  const int column = TimelineView::kNameWidth + TimelineView::kColumnWidth * 2 + 3;
  Click(view.viewport(), {column, TimelineView::kHeaderHeight + 5});
  EXPECT_EQ(history().Current(), 2u);
  EXPECT_EQ(CaptureState(doc()), history().Step(2).state);
  EXPECT_EQ(timeline->findChild<QLabel*>(QStringLiteral("StepCounter"))->text(),
            QStringLiteral("Step 2 of 5"));

  testing::TempFolder folder;
  const std::string csv = (folder.path() / "latch.csv").string();
  window.SetFileChooser([&](FileDialogMode, std::string_view, const std::string&) { return csv; });
  Click(timeline->findChild<QPushButton*>(QStringLiteral("SaveValues")));
  std::ifstream saved(csv);
  std::string header, first;
  std::getline(saved, header);
  std::getline(saved, first);
  EXPECT_EQ(header, "step,cause,I1,I2,NOR 2,NOR 3,O1,O2");
  EXPECT_EQ(first, "0,power up,0,0,0,0,0,0");
}

TEST_F(TimelineTest, RunStepsOnTheClocksTicksAndStopsOnAMessageBoxAndOnPowerDown) {
  window.Clock().DriveByHand();
  Open("half_adder.cir");
  Press("Power");
  Ctrl(&window, Qt::Key_R);
  EXPECT_TRUE(Find<QAction>(QStringLiteral("Run"))->isChecked());
  for (int i = 0; i < 3; ++i) window.Clock().Tick();
  EXPECT_EQ(history().Last(), 3u);

  window.SetFileChooser([](FileDialogMode, std::string_view, const std::string&) {
    return std::string("/nonexistent/x.cir");
  });
  ModalWatcher watcher([](QWidget*) {});
  Ctrl(&window, Qt::Key_O);
  ASSERT_TRUE(watcher.seen());
  EXPECT_FALSE(window.Clock().Running());
  EXPECT_FALSE(Find<QAction>(QStringLiteral("Run"))->isChecked());
  window.Clock().Tick();
  EXPECT_EQ(history().Last(), 3u);

  Find<QAction>(QStringLiteral("Run"))->trigger();
  EXPECT_TRUE(window.Clock().Running());
  Press("Power");
  EXPECT_FALSE(window.Clock().Running());
}

}  // namespace
}  // namespace tessara::app
