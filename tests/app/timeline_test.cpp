// Going back in time on the real window: Step Back and Step Forward by their
// shortcuts, the timeline window and a sequence's rows in it, and the run clock driven
// by hand.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "app/run_clock.h"
#include "app/timeline_view.h"
#include "app/timeline_window.h"
#include "app/why_window.h"
#include "temp_folder.h"
#include "window_fixture.h"

namespace tessara::app {
namespace {

class TimelineTest : public WindowTest {
 protected:
  void Open(const std::string& name) {
    ASSERT_TRUE(LoadCircuit(window.form(), TESSARA_EXAMPLES "/" + name));
  }
  void Ctrl(Qt::Key key, int times = 1) {
    while (times--) QTest::keyClick(&window, key, Qt::ControlModifier);
  }
  void Press(const char* button, int times = 1) {
    while (times--) Click(Find(QString::fromLatin1(button)));
  }
  QAction* Command(const char* name) { return Find<QAction>(QString::fromLatin1(name)); }
  QStringList Labels() {
    QStringList labels;
    for (int i = 0; i < kSlotCount; ++i)
      if (auto* label = Find<QLabel>(QStringLiteral("ValueLabel(%1)").arg(i)); label->isVisible())
        labels << QString::number(i) + ":" + label->text();
    return labels;
  }
  const RunHistory& history() { return window.form().history; }
};

TEST_F(TimelineTest, StepBackShowsAnEarlierStepAndANewStepDropsTheStepsAhead) {
  Open("half_adder.cir");
  Press("Power");
  Click(Image(0));  // toggles I1
  Press("prop");
  const QStringList afterFirstProp = Labels();
  Press("prop", 2);
  ASSERT_NE(Labels(), afterFirstProp);
  Ctrl(Qt::Key_Left, 2);
  EXPECT_EQ(Labels(), afterFirstProp);
  Ctrl(Qt::Key_Right, 3);
  EXPECT_EQ(history().Current(), 5u) << "a fresh step past the end";
  EXPECT_EQ(history().Step(5).cause, StepCause::Prop);
  Ctrl(Qt::Key_Left);
  Click(Image(1));  // toggles I2 at step 4
  EXPECT_EQ(history().Last(), 5u) << "the steps ahead dropped";
  EXPECT_EQ(history().Step(5).cause, StepCause::Toggle);
  Press("Power");
  EXPECT_FALSE(history().Empty()) << "Power Down keeps the run";
  EXPECT_FALSE(Command("StepBack")->isEnabled());
  PlaceWith("NotGateButton", {300, 300});
  EXPECT_TRUE(history().Empty()) << "a change of the circuit forgets it";
}

TEST_F(TimelineTest, TimelineShowsTheLatchsRowsAndRepeatGoesToAClickedStepAndSavesValues) {
  Open("sr_latch_nor.cir");
  Press("Power");
  Press("prop", 5);
  Ctrl(Qt::Key_L);
  auto* timeline = window.findChild<TimelineWindow*>();
  ASSERT_NE(timeline, nullptr);
  ASSERT_TRUE(timeline->isVisible());
  EXPECT_EQ(timeline->windowTitle(), QStringLiteral("Tessara - Timeline"));
  EXPECT_EQ(timeline->Note(), QStringLiteral("repeats every 2 steps from step 1"));
  const int column = TimelineView::kNameWidth + TimelineView::kColumnWidth * 2 + 3;
  Click(timeline->View().viewport(), {column, TimelineView::kHeaderHeight + 5});
  EXPECT_EQ(CaptureState(doc()), history().Step(2).state);
  EXPECT_EQ(timeline->findChild<QLabel*>(QStringLiteral("StepCounter"))->text(),
            QStringLiteral("Step 2 of 5"));
  EXPECT_EQ(timeline->View().accessibleDescription(),
            QStringLiteral("step 2: I1 0, I2 0, NOR 2 0, NOR 3 0, O1 1, O2 1"));
  testing::TempFolder folder;
  const std::string csv = (folder.path() / "latch.csv").string();
  AnswerFileDialogs(csv);
  Click(timeline->findChild<QPushButton*>(QStringLiteral("SaveValues")));
  EXPECT_TRUE(testing::ReadFile(csv).starts_with(
      "step,cause,I1,I2,NOR 2,NOR 3,O1,O2\n0,power up,0,0,0,0,0,0\n1,prop,"));
  Click(timeline->View().viewport(),
        {column + TimelineView::kColumnWidth * 3, TimelineView::kHeaderHeight + 5});
  EXPECT_EQ(history().Current(), 5u) << "the last column";
}

TEST_F(TimelineTest, ASequencesRedRowGoesToItsStepMarksTheRulerAndOpensWhy) {
  testing::TempFolder folder;
  testing::WriteFile(folder.path() / "latch.expected",
                     "sequence\nI1 I2 | O1 O2\n1 0 | 0 1\n0 1 | 0 0\n");
  std::filesystem::copy_file(TESSARA_EXAMPLES "/sr_latch_nor.cir", folder.path() / "latch.cir");
  window.Act([&](Form& form) { LoadCircuit(form, (folder.path() / "latch.cir").string()); });
  Ctrl(Qt::Key_L);
  auto* timeline = window.findChild<TimelineWindow*>();
  ASSERT_NE(timeline, nullptr);
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return timeline->CheckLine().endsWith(QLatin1String("1 of 2 rows differ")); }));
  EXPECT_FALSE(doc().PowerOn) << "a check alone takes no run";
  auto* rows = timeline->findChild<QListWidget*>(QStringLiteral("SequenceRows"));
  rows->setCurrentRow(1);
  QTest::keyClick(rows, Qt::Key_Return);
  EXPECT_TRUE(doc().PowerOn);
  EXPECT_EQ(history().Current(), 8u);
  EXPECT_EQ(window.form().whyGate, std::optional<std::int16_t>(4));
  EXPECT_TRUE(window.findChild<WhyWindow*>() && window.findChild<WhyWindow*>()->isVisible());
}

TEST_F(TimelineTest, RunStepsOnTheClocksTicksAndStopsOnAMessageBoxAndOnPowerDown) {
  window.Clock().DriveByHand();
  Open("half_adder.cir");
  Press("Power");
  Ctrl(Qt::Key_R);
  EXPECT_TRUE(Command("Run")->isChecked());
  for (int i = 0; i < 3; ++i) window.Clock().Tick();
  EXPECT_EQ(history().Last(), 3u);
  const std::string missing = "/x";
  AnswerFileDialogs(missing);
  ModalWatcher watcher([](QWidget*) {});
  Ctrl(Qt::Key_O);  // "Cannot open" box
  ASSERT_TRUE(watcher.seen());
  EXPECT_FALSE(window.Clock().Running());
  EXPECT_FALSE(Command("Run")->isChecked());
  window.Clock().Tick();
  EXPECT_EQ(history().Last(), 3u);
  Command("Run")->trigger();
  EXPECT_TRUE(window.Clock().Running());
  Press("Power");
  EXPECT_FALSE(window.Clock().Running());
}

}  // namespace
}  // namespace tessara::app
