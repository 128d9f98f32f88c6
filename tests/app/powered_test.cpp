// Each editing act tried while powered, and the state around an act: the tool, the
// pointer and the remembered name after Undo, Power Up and a cancelled or failed dialog.
#include <QTableView>

#include "io/circuit_file.h"
#include "temp_folder.h"
#include "window_fixture.h"

namespace tessara::app {
namespace {

struct PoweredAct;

struct Act {
  const char* name;
  const char* tool;  // chosen before Power Up
  void (*run)(PoweredAct& t);
  bool changesCircuit;
  bool inputOn;      // the input's output after the act
  std::size_t step;  // the run's current step after it
};

struct PoweredAct : WindowTest, ::testing::WithParamInterface<Act> {};

// The input I1 at (30, 100) linked to an AND at (250, 100), powered with tool chosen,
// one prop step taken.
TEST_P(PoweredAct, ChangesOnlyWhatItMayAndStaysPoweredWithThePlainPointer) {
  const Act& act = GetParam();
  PlaceWith("InputButton", QPoint(30, 100));
  PlaceWith("AndGateButton", QPoint(250, 100));
  Click(Find(QStringLiteral("LinkButton")));
  Click(Image(0), QPoint(45, 26));
  Click(Image(1), QPoint(5, 10));
  Click(Find(QString::fromLatin1(act.tool)));
  Click(Find(QStringLiteral("Power")));
  Click(Find(QStringLiteral("prop")));
  const std::string before = WriteCircuit(doc());
  MoveTo(&window.Canvas(), QPoint(400, 400));
  act.run(*this);
  EXPECT_NE(WriteCircuit(doc()) == before, act.changesCircuit);
  EXPECT_TRUE(doc().PowerOn);
  EXPECT_EQ(window.form().LinkStarted, 0);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(doc().Gates(0).GetCurrOutput(), act.inputOn);
  EXPECT_EQ(window.form().history.Current(), act.step);
}

const Act kActs[] = {
    {"Place", "AndGateButton", [](PoweredAct& t) { t.Click(&t.window.Canvas(), QPoint(300, 300)); },
     false, false, 1},
    {"Link", "LinkButton", [](PoweredAct& t) { t.Click(t.Image(1), QPoint(45, 26)); }, false, false,
     1},
    {"ToggleWithTheLinkTool", "LinkButton",
     [](PoweredAct& t) { t.Click(t.Image(0), QPoint(45, 26)); }, false, true, 2},
    {"Move", "CrossButton",
     [](PoweredAct& t) { t.Drag(t.Image(1), QPoint(10, 10), QPoint(10, 200)); }, false, false, 1},
    {"Delete", "CrossButton",
     [](PoweredAct& t) {
       t.Drag(t.Image(1), QPoint(10, 10),
              t.Map(t.Find(QStringLiteral("TrashCan")), QPoint(30, 30), t.Image(1)));
     },
     false, false, 1},
    {"TurnBeginsANewRun", "CrossButton",
     [](PoweredAct& t) { QTest::mouseDClick(t.Image(1), Qt::LeftButton, {}, QPoint(10, 10)); },
     true, false, 0},
    {"TableRowRunsTheRow", "CrossButton",
     [](PoweredAct& t) {
       t.window.Companions().ShowTruthTable();
       auto* table = t.Find<QTableView>(QStringLiteral("TruthTableView"));
       auto* copy = t.Find<QWidget>(QStringLiteral("TruthTableCopy"));  // the table is made
       ASSERT_TRUE(QTest::qWaitFor([&] { return copy->isEnabled(); }));
       t.Click(table->viewport(), table->visualRect(table->model()->index(1, 0)).center());
     },
     false, true, 0},
};

INSTANTIATE_TEST_SUITE_P(EachAct, PoweredAct, ::testing::ValuesIn(kActs),
                         [](const auto& row) { return std::string(row.param.name); });

// The name last chosen is offered again after New and a cancelled Open; a failed save
// changes no caption.
TEST_F(WindowTest, UndoPowerUpAndDialogsKeepTheToolThePointerAndTheRememberedName) {
  testing::TempFolder folder;
  const std::string path = (folder.path() / "kept.cir").string();
  std::string answer = path;
  std::vector<std::string> offered;
  window.Dialogs().SetFileChooser(
      [&](FileDialogMode, std::string_view, std::size_t, const std::string& name) {
        offered.push_back(name);
        return FileChoice{answer};
      });
  PlaceWith("AndGateButton", QPoint(200, 200));
  Click(Find(QStringLiteral("OrGateButton")));
  Find<QAction>(QStringLiteral("Undo"))->trigger();
  EXPECT_EQ(doc().CurrentTool, kOrGate) << "after Undo";
  MoveTo(&window.Canvas(), QPoint(300, 300));
  Click(Find(QStringLiteral("Power")));
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "after Power Up";
  EXPECT_EQ(doc().CurrentTool, kOrGate) << "after Power Up";
  Click(Find(QStringLiteral("Power")));
  Find<QAction>(QStringLiteral("Save"))->trigger();
  Find<QAction>(QStringLiteral("New"))->trigger();
  answer.clear();
  Find<QAction>(QStringLiteral("Open"))->trigger();
  answer = (folder.path() / "missing" / "x.cir").string();
  ModalWatcher error([](QWidget*) {});
  Find<QAction>(QStringLiteral("Save"))->trigger();
  EXPECT_TRUE(error.seen());
  EXPECT_EQ(offered, (std::vector<std::string>{"", path, path}));
  EXPECT_EQ(window.Caption().English(), "Tessara") << "after a failed save";
}

// A press that comes with no move before it acts at its own point.
TEST_F(WindowTest, APressWithNoMoveBeforeItPlacesAtItsPoint) {
  Click(Find(QStringLiteral("AndGateButton")));
  const QPoint at(200, 200);
  QMouseEvent press(QEvent::MouseButtonPress, at, window.Canvas().mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, {});
  QApplication::sendEvent(&window.Canvas(), &press);
  EXPECT_EQ(std::pair(doc().Gates(0).GetX(), doc().Gates(0).GetY()), std::pair(2600.0f, 2600.0f));
}

}  // namespace
}  // namespace tessara::app
