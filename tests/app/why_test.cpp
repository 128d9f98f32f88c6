// Asking why on the real window: a click on a value label opens "Tessara - Why" with the
// lines of the explanation, a click on a line moves the run, and Escape closes it. What
// the canvas and the timeline draw of it is seen in the scenes of tests/pictures.
#include <QListWidget>

#include "app/why_window.h"
#include "io/explanation_text.h"
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
  const std::string text =
      ExplanationText(Explain(doc(), window.form().history, 5, 4), SignalRows(doc()));
  QListWidget& list = why->Lines();
  QString lines;
  for (int k = 0; k < list.count(); ++k) lines += list.item(k)->text() + '\n';
  EXPECT_EQ(lines, QString::fromStdString(text));
  Click(list.viewport(), list.visualItemRect(list.item(2)).center());  // step 3: AND 3 ...
  EXPECT_EQ(window.form().history.Current(), 3u);
  EXPECT_EQ(window.form().whyGate, 3) << "the line's gate is asked about at its step";
  QTest::keyClick(&list, Qt::Key_Escape);
  EXPECT_FALSE(why->isVisible());
}

}  // namespace
}  // namespace tessara::app
