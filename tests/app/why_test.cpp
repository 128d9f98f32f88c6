// Asking why on the real window: a click on a value label opens "Tessara - Why" with the
// lines of the explanation in the learner's words, a click on a line moves the run, and Escape
// closes it. What the canvas and the timeline draw of it is seen in the scenes of tests/pictures.
#include <QListWidget>

#include "app/why_window.h"
#include "window_fixture.h"

namespace tessara::app {
namespace {

TEST_F(WindowTest, ValueClickOpensTheLinesAndALineClickMovesTheRun) {
  ASSERT_TRUE(LoadCircuit(window.form(), TESSARA_EXAMPLES "/half_adder.cir"));
  Click(Find(QStringLiteral("Power")));
  Click(Image(1)), Click(Image(0));  // toggles I2, then I1
  Click(Find(QStringLiteral("prop"))), Click(Find(QStringLiteral("prop")));
  Click(Find(QStringLiteral("txtObjValue(5)")));  // O2's value
  auto* why = window.findChild<WhyWindow*>();
  ASSERT_TRUE(why && why->isVisible());
  EXPECT_EQ(why->windowTitle(), QStringLiteral("Tessara - Why"));
  QListWidget& list = why->Lines();
  QString lines;
  for (int k = 0; k < list.count(); ++k) lines += list.item(k)->text() + '\n';
  // tessara-sim explain's lines in the learner's words: places, not numbers; tagged gates.
  EXPECT_EQ(lines.toStdString(),
            "O2 = 1 at step 4\n"
            "step 4: O2 became 1: input = 1 from AND g3 at step 3\n"
            "step 3: AND g3 became 1: upper input = 1 from I1 at step 2, lower input = 1 from I2 "
            "at step 2\n"
            "step 2: I1 became 1: toggled\n"
            "step 1: I2 became 1: toggled\n");
  Click(list.viewport(), list.visualItemRect(list.item(2)).center());  // step 3: AND 3 ...
  EXPECT_EQ(window.form().history.Current(), 3u);
  EXPECT_EQ(window.form().whyGate, 3) << "the line's gate is asked about at its step";
  QTest::keyClick(&list, Qt::Key_Escape);
  EXPECT_FALSE(why->isVisible());
}

}  // namespace
}  // namespace tessara::app
