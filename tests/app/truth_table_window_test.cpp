// Options > Truth Table: the table follows the circuit, made in the background, a row
// click runs that row on the canvas, and Copy gives the text of `tessara-sim table
// --timing`.
#include "app/truth_table_window.h"

#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "app/timeline_window.h"
#include "circuits.h"
#include "editor/moving.h"
#include "window_fixture.h"

namespace tessara::app {
namespace {
TEST_F(WindowTest, TruthTableFollowsAnEditRunsAClickedRowAndCopiesTheTableText) {
  Find<QAction>(QStringLiteral("TruthTable"))->trigger();
  auto* table = Find<QTableView>(QStringLiteral("TruthTableView"));
  auto cells = [&](int row, int columns) {
    QStringList shown;
    for (int c = 0; c < columns; ++c) shown << table->model()->index(row, c).data().toString();
    return shown.join(' ').toStdString();
  };
  auto* copy = Find<QPushButton>(QStringLiteral("TruthTableCopy"));
  window.Act([](Form& form) { LoadCircuit(form, TESSARA_EXAMPLES "/half_adder.cir"); });
  ASSERT_TRUE(QTest::qWaitFor([&] { return copy->isEnabled(); }));
  ASSERT_EQ(table->model()->rowCount(), 4);
  EXPECT_EQ(cells(3, 5), "1 1 0 1 settles after 2 steps");
  Click(copy);
  EXPECT_EQ(
      QGuiApplication::clipboard()->text().toStdString(),
      "I1 I2 | O1 O2\n0 0 | 0 0  (settles after 0 steps)\n0 1 | 1 0  (settles after 2 steps)\n"
      "1 0 | 1 0  (settles after 2 steps)\n1 1 | 0 1  (settles after 2 steps)\n");
  // Row "1 0": powered up with I1 (slot 0) on; two prop steps later O1 (slot 4) shows 1.
  Click(table->viewport(), table->visualRect(table->model()->index(2, 0)).center());
  EXPECT_TRUE(doc().PowerOn);
  EXPECT_TRUE(doc().Gates(0).GetCurrOutput());
  EXPECT_FALSE(doc().Gates(1).GetCurrOutput());
  for (int step = 0; step < 2; ++step) Click(Find<QPushButton>(QStringLiteral("prop")));
  EXPECT_TRUE(doc().Gates(4).GetCurrOutput());
  // Throwing the AND gate (slot 3) away leaves the carry O2 at 0 in every row.
  window.Act([](Form& form) {
    Power_Click(form);
    TrashCan_DragDrop(form, {DragPool::ObjImage, 3});
  });
  ASSERT_TRUE(QTest::qWaitFor([&] { return copy->isEnabled(); }));
  EXPECT_EQ(cells(3, 4), "1 1 0 0");
}

// A XOR (slot 2) fed back through a ring of 20 NOT gates never repeats within the bound:
// about a second a row. Throwing the first NOT away breaks the ring.
TEST_F(WindowTest, TruthTableIsMadeInTheBackgroundAndStopsWhenClosed) {
  testing::PutGate(doc(), 0, kInputGate, 0, 1000),
      testing::PutGate(doc(), 1, kOutputGate, 8200, 1000);
  testing::PutGate(doc(), 2, kXorGate, 1000, 2000);
  for (Integer i = 3; i < 23; ++i) {
    testing::PutGate(doc(), i, kNotGate, Single(1000 + 300 * (i % 20)), Single(100 * i));
    testing::PutLink(doc(), i, i - 1, i);
  }
  testing::PutLink(doc(), 23, 22, 2, 0), testing::PutLink(doc(), 24, 3, 2, 1);
  Find<QAction>(QStringLiteral("TruthTable"))->trigger();
  auto* table = window.findChild<TruthTableWindow*>();
  auto* copy = Find<QPushButton>(QStringLiteral("TruthTableCopy"));
  EXPECT_EQ(Find<QLabel>(QStringLiteral("TruthTableMessage"))->text(),
            QStringLiteral("row 1 of 2"));
  EXPECT_FALSE(copy->isEnabled());
  table->close();
  EXPECT_FALSE(table->Working());
  Find<QAction>(QStringLiteral("TruthTable"))->trigger();
  EXPECT_TRUE(table->Working()) << "shown again, unfinished";
  window.Act([](Form& form) { TrashCan_DragDrop(form, {DragPool::ObjImage, 3}); });
  EXPECT_TRUE(QTest::qWaitFor([&] { return copy->isEnabled(); }));
}

// Ctrl+Z from the truth table, then Ctrl+L there and Ctrl+Y from the timeline; both lie
// wholly on the main window's screen.
TEST_F(WindowTest, CompanionWindowsOpenOnTheScreenAndTakeTheMainWindowsShortcuts) {
  const auto activate = [](QWidget* companion) {
    companion->activateWindow();
    return QTest::qWaitFor([&] { return QApplication::activeWindow() == companion; });
  };
  PlaceWith("NotGateButton", {300, 300});
  Find<QAction>(QStringLiteral("TruthTable"))->trigger();
  auto* table = window.findChild<TruthTableWindow*>();
  ASSERT_TRUE(activate(table));
  QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(doc().Gates(0).GetUsed());
  QTest::keyClick(table, Qt::Key_L, Qt::ControlModifier);
  auto* timeline = window.findChild<TimelineWindow*>();
  ASSERT_TRUE(timeline && activate(timeline));
  QTest::keyClick(timeline, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_TRUE(doc().Gates(0).GetUsed());
  for (QWidget* companion : {static_cast<QWidget*>(table), static_cast<QWidget*>(timeline)})
    EXPECT_TRUE(window.screen()->availableGeometry().contains(companion->frameGeometry()))
        << companion->objectName().toStdString();
}

}  // namespace
}  // namespace tessara::app
