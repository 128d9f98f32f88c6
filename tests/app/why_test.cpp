// Asking why on the real window: a click on a value label opens "Tessara - Why" with the
// lines of the explanation, the canvas and the timeline draw it, a click on a line moves
// the run, and Escape takes it all away. Grabs are kept as PNGs in artefacts/app.
#include <QDir>
#include <QListWidget>

#include "app/highlight.h"
#include "app/timeline_view.h"
#include "app/timeline_window.h"
#include "app/why_window.h"
#include "io/explanation_text.h"
#include "window_fixture.h"

namespace tessara::app {
namespace {

struct WhyStage : WindowTest {
  // The colour at pixel (1, 1) of the gate image in slot, as the canvas shows it.
  QColor GateCorner(int slot) {
    const QImage canvas = window.Canvas().grab().toImage();
    return canvas.pixelColor((Image(slot)->pos() + QPoint(1, 1)) * canvas.devicePixelRatio());
  }
  QStringList Lines(WhyWindow& why) {
    QStringList lines;
    for (int k = 0; k < why.Lines().count(); ++k) lines << why.Lines().item(k)->text();
    return lines;
  }
};

TEST_F(WhyStage, ValueClickOpensTheLinesDrawsThemAndALineClickMovesTheRun) {
  ASSERT_TRUE(LoadCircuit(window.form(), TESSARA_EXAMPLES "/half_adder.cir"));
  Click(Find(QStringLiteral("Power")));
  Click(Image(1)), Click(Image(0));  // toggles I2, then I1
  Click(Find(QStringLiteral("prop"))), Click(Find(QStringLiteral("prop")));
  QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
  Click(Find(QStringLiteral("txtObjValue(5)")));  // O2's value
  auto* why = window.findChild<WhyWindow*>();
  ASSERT_TRUE(why && why->isVisible());
  EXPECT_EQ(why->windowTitle(), QStringLiteral("Tessara - Why"));
  const std::string text =
      ExplanationText(Explain(doc(), window.form().history, 5, 4), SignalRows(doc()));
  EXPECT_EQ(Lines(*why).join('\n') + '\n', QString::fromStdString(text));
  EXPECT_EQ(GateCorner(3), kExplainedGate) << "AND 3";
  EXPECT_EQ(GateCorner(2), QColor(Qt::white)) << "XOR 2 decides nothing here";
  QWidget* timeline = window.findChild<TimelineWindow*>()->View().viewport();
  const QImage cells = timeline->grab().toImage();
  const auto cell = [&](int row, int step) {
    return cells.pixelColor(
        QPoint(TimelineView::kNameWidth + step * TimelineView::kColumnWidth + 2,
               TimelineView::kHeaderHeight + row * TimelineView::kRowHeight + 2) *
        cells.devicePixelRatio());
  };
  EXPECT_GT(cell(3, 3).blue(), cell(3, 3).red()) << "AND 3 at step 3";
  EXPECT_EQ(cell(2, 3), QColor(Qt::white)) << "XOR 2 at step 3";
  QDir().mkpath(QStringLiteral(TESSARA_ARTEFACTS));
  window.grab().save(QStringLiteral(TESSARA_ARTEFACTS "/why_canvas.png"));
  why->grab().save(QStringLiteral(TESSARA_ARTEFACTS "/why_window.png"));
  cells.save(QStringLiteral(TESSARA_ARTEFACTS "/why_timeline.png"));

  QListWidget& list = why->Lines();
  Click(list.viewport(), list.visualItemRect(list.item(2)).center());  // step 3: AND 3 ...
  EXPECT_EQ(window.form().history.Current(), 3u);
  EXPECT_EQ(window.form().whyGate, 3) << "the line's gate is asked about at its step";
  EXPECT_EQ(GateCorner(5), QColor(Qt::white)) << "O2 is no longer part of it";
  QTest::keyClick(&list, Qt::Key_Escape);
  EXPECT_FALSE(why->isVisible());
  EXPECT_EQ(GateCorner(3), QColor(Qt::white)) << "Escape takes the highlight away";
}

}  // namespace
}  // namespace tessara::app
