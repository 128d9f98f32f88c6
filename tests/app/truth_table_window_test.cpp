// Options > Truth Table: the table follows the circuit, made in the background, a row
// click runs that row on the canvas, and Copy gives the text of `tessara-sim table
// --timing` (and a picture of the table); an exercise's expected answer checks each row, the
// expressions stand under the table, and a click on a cell of the Karnaugh map runs its row.
#include "app/truth_table_window.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>

#include "app/build_dialog.h"
#include "app/elements.h"
#include "app/expressions_view.h"
#include "app/karnaugh_view.h"
#include "app/timeline_window.h"
#include "circuits.h"
#include "editor/moving.h"
#include "io/expression_text.h"
#include "temp_folder.h"
#include "window_fixture.h"

namespace tessara::app {
namespace {
TEST_F(WindowTest, TruthTableFollowsAnEditRunsAClickedRowAndCopiesTheTableTextAndPicture) {
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
  // Copy as Picture: the table as shown, as an image and as SVG.
  Find<QAction>(QStringLiteral("TruthTableCopyAsPicture"))->trigger();
  const QMimeData* picture = QGuiApplication::clipboard()->mimeData();
  EXPECT_EQ(qvariant_cast<QImage>(picture->imageData()).size(),
            Find<QWidget>(QStringLiteral("TruthTableRows"))->grab().size());
  EXPECT_TRUE(picture->data(QStringLiteral("image/svg+xml")).contains("<svg"));
  // Row "1 0": powered up with I1 (slot 0) on; two prop steps later O1 (slot 4) shows 1.
  Click(table->viewport(), table->visualRect(table->model()->index(2, 0)).center());
  EXPECT_TRUE(doc().PowerOn);
  EXPECT_TRUE(doc().Gates(0).GetCurrOutput());
  EXPECT_FALSE(doc().Gates(1).GetCurrOutput());
  for (int step = 0; step < 2; ++step) Click(Find<QPushButton>(QStringLiteral("prop")));
  EXPECT_TRUE(doc().Gates(4).GetCurrOutput());
  // Throwing the AND gate (slot 3) away leaves the carry O2 at 0 in every row.
  window.Act([](Form& form) {
    OnPower(form);
    OnTrashDrop(form, {DragPool::GateImage, 3});
  });
  ASSERT_TRUE(QTest::qWaitFor([&] { return copy->isEnabled(); }));
  EXPECT_EQ(cells(3, 4), "1 1 0 0");
}

// A ring that never repeats within the bound (about a second to settle); throwing its NOT
// (slot 1) away breaks the ring.
TEST_F(WindowTest, TruthTableIsMadeInTheBackgroundAndStopsWhenClosed) {
  testing::PutLongRun(doc());
  Find<QAction>(QStringLiteral("TruthTable"))->trigger();
  auto* table = window.findChild<TruthTableWindow*>();
  auto* copy = Find<QPushButton>(QStringLiteral("TruthTableCopy"));
  EXPECT_EQ(Find<QLabel>(QStringLiteral("TruthTableMessage"))->text(),
            QStringLiteral("row 1 of 1"));
  EXPECT_FALSE(copy->isEnabled());
  table->close();
  EXPECT_FALSE(table->Working());
  Find<QAction>(QStringLiteral("TruthTable"))->trigger();
  EXPECT_TRUE(table->Working()) << "shown again, unfinished";
  window.Act([](Form& form) { OnTrashDrop(form, {DragPool::GateImage, 1}); });
  EXPECT_TRUE(QTest::qWaitFor([&] { return copy->isEnabled(); }));
}

// The half adder handed out as an exercise whose answer is wrong in row "1 1".
TEST_F(WindowTest, TruthTableChecksTheAnswerBesideTheCircuitShowsExpressionsAndMapsAnOutput) {
  testing::TempFolder folder;
  const auto circuit = folder.path() / "adder.cir";
  std::filesystem::copy_file(TESSARA_EXAMPLES "/half_adder.cir", circuit);
  testing::WriteFile(folder.path() / "adder.expected",
                     "I1 I2 | O1 O2\n0 0 | 0 0\n0 1 | 1 X\n1 0 | 1 0\n1 1 | 1 1\n");
  Find<QAction>(QStringLiteral("TruthTable"))->trigger();
  window.Act([&](Form& form) { LoadCircuit(form, circuit.string()); });
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return Find<QPushButton>(QStringLiteral("TruthTableCopy"))->isEnabled(); }));
  auto* table = Find<QTableView>(QStringLiteral("TruthTableView"));
  Click(table->viewport(), table->visualRect(table->model()->index(3, 0)).center());
  EXPECT_TRUE(doc().Gates(1).GetCurrOutput()) << "the differing row runs: I2 is on";
  Click(Find<QPushButton>(QStringLiteral("TruthTableClear")));
  EXPECT_EQ(table->model()->columnCount(), 5) << "no marks after Clear";

  auto* expressions = window.findChild<ExpressionsView*>();
  if (expressions->Working()) QSignalSpy(expressions, &ExpressionsView::shown).wait(10000);
  EXPECT_TRUE(expressions->toPlainText().startsWith(QStringLiteral("O1 = I1 XOR I2\n")));

  Find<QTabWidget>(QStringLiteral("TruthTableTabs"))->setCurrentIndex(1);
  Find<QComboBox>(QStringLiteral("KarnaughOutput"))->setCurrentIndex(1);  // O2, the carry
  auto* map = window.findChild<KarnaughView*>();
  ASSERT_TRUE(map->Shown());
  EXPECT_EQ(map->Shown()->groups.size(), 1u);
  Click(map, map->CellRect(1, 0).center());  // I1 1, I2 0: row 2
  EXPECT_TRUE(doc().Gates(0).GetCurrOutput());
  EXPECT_FALSE(doc().Gates(1).GetCurrOutput());
  QTest::keyClick(map, Qt::Key_Right), QTest::keyClick(map, Qt::Key_Return);  // row 3
  EXPECT_TRUE(doc().Gates(1).GetCurrOutput());
}

TEST_F(WindowTest, TruthTableOfSixteenInputsScrollsTheInputsAndKeepsTheOutputsInView) {
  window.Act([](Form& form) {
    testing::CircuitBuilder build(form.doc);
    for (int i = 0; i < 16; ++i) build.Place(kInputGate, 0, float(400 * i));
    build.Place(kOutputGate, 8200, 500);
  });
  Find<QAction>(QStringLiteral("TruthTable"))->trigger();
  auto* inputs = Find<QTableView>(QStringLiteral("TruthTableView"));
  auto* outputs = Find<QTableView>(QStringLiteral("TruthTableOutputs"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return outputs->verticalScrollBar()->maximum() > 500; }));
  QScrollBar* sideways = inputs->horizontalScrollBar();
  EXPECT_GT(sideways->maximum(), 0);
  sideways->setValue(sideways->maximum());
  outputs->verticalScrollBar()->setValue(500);
  EXPECT_EQ(inputs->verticalScrollBar()->value(), 500);
  const QModelIndex o1 = outputs->model()->index(outputs->rowAt(0), 16);
  EXPECT_TRUE(outputs->viewport()->rect().contains(outputs->visualRect(o1)));
}

TEST_F(WindowTest, TheCanvasShowsTheTagsOfTheGatesTheExpressionsNameWhileTheTableIsOpen) {
  window.Act([](Form& form) { LoadCircuit(form, TESSARA_EXAMPLES "/sr_latch_nor.cir"); });
  const auto tags = [&] {  // slots 2 and 3 are the latch's NOR gates
    return static_cast<PoolImage*>(Image(2))->Name() + static_cast<PoolImage*>(Image(3))->Name();
  };
  TruthTableWindow& table = window.Companions().ShowTruthTable();
  auto* expressions = window.findChild<ExpressionsView*>();
  if (expressions->Working()) QSignalSpy(expressions, &ExpressionsView::shown).wait(10000);
  EXPECT_TRUE(expressions->toPlainText().contains(QStringLiteral("g2 feeds back")));
  EXPECT_EQ(tags(), "g2g3");
  table.close();
  EXPECT_EQ(tags(), "");
}

TEST_F(WindowTest, ExpressionsOfAnOlderCircuitAreNeverShownOverTheNewerOnes) {
  ExpressionsView expressions;
  QSignalSpy shown(&expressions, &ExpressionsView::shown);
  ASSERT_TRUE(LoadCircuit(window.form(), TESSARA_EXAMPLES "/full_adder.cir"));
  expressions.Follow(doc());
  ASSERT_TRUE(LoadCircuit(window.form(), TESSARA_EXAMPLES "/half_adder.cir"));
  expressions.Follow(doc());
  ASSERT_TRUE(shown.wait(10000));
  QTest::qWait(50);  // time for an older text to arrive, were it posted
  EXPECT_EQ(shown.count(), 1);
  EXPECT_EQ(expressions.toPlainText().toStdString(), ExpressionText(doc()));
}
// "Build Circuit..." builds from the expected answer, here with NOR gates only, and opens
// the circuit in place of the one shown, which was saved: no question first.
TEST_F(WindowTest, TruthTableBuildsACircuitFromTheExpectedAnswerInTheGateSetChosen) {
  testing::TempFolder folder;
  const auto circuit = folder.path() / "nand.cir";
  std::filesystem::copy_file(TESSARA_EXAMPLES "/half_adder.cir", circuit);
  testing::WriteFile(folder.path() / "nand.expected",
                     "I1 I2 | O1\n0 0 | 1\n0 1 | 1\n1 0 | 1\n1 1 | 0\n");
  Find<QAction>(QStringLiteral("TruthTable"))->trigger();
  window.Act([&](Form& form) { LoadCircuit(form, circuit.string()); });
  ModalWatcher watcher([](QWidget* modal) {
    auto* dialog = qobject_cast<BuildDialog*>(modal);
    dialog->findChild<QComboBox*>(QStringLiteral("BuildGates"))->setCurrentIndex(2);
    dialog->Build();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog->isVisible(); }));
  });
  Click(Find<QPushButton>(QStringLiteral("TruthTableBuild")));
  EXPECT_EQ(OutputColumn(MakeTruthTable(doc()), 0), "1110");
  EXPECT_EQ(doc().Gates(2).GetType(), kNorGate);
}

}  // namespace
}  // namespace tessara::app
