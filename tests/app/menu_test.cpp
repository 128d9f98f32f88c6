// Every menu entry, shortcut, companion window button and canvas key runs its own command,
// and each act of the mouse while powered does only what it may: each way in (an entry
// triggered, a key pressed in its window or on the canvas, a button clicked, a gesture)
// on a fresh window, then the facts the user can tell that changed, which are the effect
// of its own command and nothing else. Colour Wires is seen in the scenes of tests/pictures.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QTableView>
#include <filesystem>

#include "app/timeline_window.h"
#include "app/truth_table_window.h"
#include "editor/expected_answer.h"
#include "io/circuit_file.h"
#include "temp_folder.h"
#include "window_fixture.h"

namespace tessara::app {
namespace {

class MenuTest;

// Where a command is found: a menu entry with its keys; also its first key in each
// companion window and the timeline's button; only a button of a window prepare shows; only
// its keys on the canvas; or a gesture of the mouse.
enum Reach { kMenu, kAlsoCompanions, kButton, kCanvas, kGesture };

struct Command {
  const char* name;  // the entry's action, or the button's name
  void (*prepare)(MenuTest& t);
  const char* changes;  // the facts (MenuTest::Facts) that only this command changes
  std::vector<QKeyCombination> keys{};
  Reach reach = kMenu;
  void (*gesture)(MenuTest& t) = nullptr;  // for kGesture
};

enum class Via { Entry, Key, KeyInTimeline, KeyInTruthTable, Button, Gesture };

struct Way {
  const Command* command;
  Via via = Via::Entry;
  QKeyCombination key = Qt::Key_unknown;
};

class MenuTest : public WindowTest, public ::testing::WithParamInterface<Way> {
 public:
  MenuTest() {
    window.Dialogs().SetFileChooser(
        [this](FileDialogMode mode, std::string_view, std::size_t, const std::string&) {
          asked += mode == FileDialogMode::Open ? "Open" : "Save";
          return FileChoice{answer};
        });
  }
  QAction* Entry(const char* name) { return Find<QAction>(QString::fromLatin1(name)); }
  // What the user can tell of the window and the folder, one "name=value" a fact.
  std::vector<std::string> Facts() {
    const auto yes = [](bool fact) { return fact ? "yes" : "no"; };
    int gates = 0;
    for (std::int16_t i = 0; i < kSlotCount; ++i) gates += doc().Gates(i).GetUsed();
    QStringList shown;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible() && w != &window) shown << w->windowTitle();
    shown.sort();
    QStringList files;
    for (const auto& file : std::filesystem::directory_iterator(folder.path()))
      files << QString::fromStdString(file.path().filename().string());
    files.sort();
    const RunHistory& run = window.form().history;
    const ExpectedAnswer* expected = window.form().expected.get();
    const auto& keys = window.form().keys;
    std::string values;  // while powered, each gate's in slot order
    for (std::int16_t i = 0; i < kSlotCount && doc().PowerOn; ++i)
      if (doc().Gates(i).GetUsed()) values += doc().Gates(i).GetCurrOutput() ? '1' : '0';
    const Gate& first = doc().Gates(0);
    return {
        "caption=" + window.Caption().English(),
        std::string("open=") + yes(window.isVisible()),
        "gates=" + std::to_string(gates),
        std::string("linking=") + yes(window.form().LinkStarted == 1),
        "step=" + (run.Empty() ? "none"
                               : std::to_string(run.Current()) + "/" + std::to_string(run.Last())),
        std::string("running=") + yes(window.Clock().Running()),
        "windows=" + shown.join(',').toStdString(),
        "modal=" + modal.toStdString(),
        "marks=" + std::to_string(window.ProblemMarks().Marks().size()),
        "answer=" + (expected ? expected->name : ""),
        "tool=" + std::to_string(doc().CurrentTool),
        "focus=" + (keys.focus ? std::to_string(*keys.focus) : "none"),
        "cursor=" + std::to_string(int(keys.cursorX)) + "," + std::to_string(int(keys.cursorY)),
        std::string("carrying=") + yes(keys.carrying),
        "first=" + (first.GetUsed() ? std::to_string(int(first.GetX())) + "," +
                                          std::to_string(int(first.GetY())) + " turned " +
                                          std::to_string(first.GetOrientation())
                                    : "none"),
        "values=" + values,
        std::string("pointer=") + yes(QGuiApplication::overrideCursor()),
        std::string("powered=") + yes(doc().PowerOn),
        "remembered=" + std::filesystem::path(window.form().chosen[0].path).filename().string(),
        "asked=" + asked,
        "files=" + files.join(',').toStdString(),
        std::string("saved=") +
            yes(std::filesystem::exists(path) && testing::ReadFile(path) == WriteCircuit(doc()))};
  }

  testing::TempFolder folder;
  const std::string path = (folder.path() / "saved.cir").string();
  std::string answer;  // every file dialog's answer
  std::string asked;   // the dialogs asked, in order
  QString modal;       // the title of the modal window that opened
  ModalWatcher watcher{[this](QWidget* w) { modal = w->windowTitle(); }};
};

void Placed(MenuTest& t) { t.PlaceWith("AndGateButton", QPoint(200, 200)); }
// An AND gate saved under the remembered name, nothing asked since.
void Saved(MenuTest& t) {
  Placed(t);
  t.answer = t.path;
  t.Entry("Save")->trigger();
  t.answer.clear();
  t.asked.clear();
}
// Saved, then an OR gate placed; with Failing, every dialog answers a missing folder's file.
void Edited(MenuTest& t) {
  Saved(t);
  t.PlaceWith("OrGateButton", QPoint(200, 350));
}
void Failing(MenuTest& t) {
  Edited(t);
  t.answer = (t.folder.path() / "missing" / "x.cir").string();
}
// Placed, then undone.
void Undone(MenuTest& t) {
  Placed(t);
  t.Entry("Undo")->trigger();
}
// Placed, then the OR tool chosen and the pointer on the canvas.
void Retooled(MenuTest& t) {
  Placed(t);
  t.Click(t.Find(QStringLiteral("OrGateButton")));
  t.MoveTo(&t.window.Canvas(), QPoint(300, 300));
}
// Placed, and a link started at the AND gate's output.
void Linking(MenuTest& t) {
  Placed(t);
  t.Click(t.Find(QStringLiteral("LinkButton")));
  t.Click(t.Image(0), QPoint(45, 26));
}
void Powered(MenuTest& t) { t.Click(t.Find(QStringLiteral("Power"))); }
// An AND gate at (250, 100) in slot 0, its upper input linked from an input in slot 1;
// the tool of button kTool chosen, powered, one prop step taken, the pointer on the canvas.
template <int kTool>
void PoweredPair(MenuTest& t) {
  static const char* const kButtons[] = {"AndGateButton", "LinkButton", "CrossButton"};
  t.PlaceWith("AndGateButton", QPoint(250, 100));
  t.PlaceWith("InputButton", QPoint(30, 100));
  t.Click(t.Find(QStringLiteral("LinkButton")));
  t.Click(t.Image(1), QPoint(45, 26));
  t.Click(t.Image(0), QPoint(5, 10));
  t.Click(t.Find(QString::fromLatin1(kButtons[kTool])));
  Powered(t);
  t.Click(t.Find(QStringLiteral("prop")));
  t.MoveTo(&t.window.Canvas(), QPoint(400, 400));
}
// The mouse's acts on PoweredPair: a press on the canvas, on the AND's output half, on
// the input; the AND dragged down, or to the trash can, or double-clicked; the truth
// table's row "1" pressed once the table is made.
void PressCanvas(MenuTest& t) { t.Click(&t.window.Canvas(), QPoint(300, 300)); }
void PressOutput(MenuTest& t) { t.Click(t.Image(0), QPoint(45, 26)); }
void PressInput(MenuTest& t) { t.Click(t.Image(1), QPoint(45, 26)); }
void DragDown(MenuTest& t) { t.Drag(t.Image(0), QPoint(10, 10), QPoint(10, 200)); }
void DragToTrash(MenuTest& t) {
  QWidget* trash = t.Find(QStringLiteral("TrashCan"));
  t.Drag(t.Image(0), QPoint(10, 10), t.Map(trash, QPoint(30, 30), t.Image(0)));
}
void DoubleClick(MenuTest& t) {
  QTest::mouseDClick(t.Image(0), Qt::LeftButton, {}, QPoint(10, 10));
}
void PressTableRow(MenuTest& t) {
  t.window.Companions().ShowTruthTable();
  auto* table = t.Find<QTableView>(QStringLiteral("TruthTableView"));
  auto* copy = t.Find<QWidget>(QStringLiteral("TruthTableCopy"));  // enabled once the table is made
  ASSERT_TRUE(QTest::qWaitFor([&] { return copy->isEnabled(); }));
  t.Click(table->viewport(), table->visualRect(table->model()->index(1, 0)).center());
}
// Placed, or PoweredPair, with the keyboard's focus on the AND, or on the input.
void Focused(MenuTest& t) {
  Placed(t);
  t.window.Act([](Form& form) { form.keys.focus = 0; });
}
void FocusedInput(MenuTest& t) {
  PoweredPair<2>(t);
  t.window.Act([](Form& form) { form.keys.focus = 1; });
}
// Powered and two prop steps taken; with Back, both stepped back again.
void Stepped(MenuTest& t) {
  Powered(t);
  for (int i = 0; i < 2; ++i) t.Click(t.Find(QStringLiteral("prop")));
}
void Back(MenuTest& t) {
  Stepped(t);
  for (int i = 0; i < 2; ++i) t.window.Act(OnStepBack);
}
// Stepped and the timeline shown; every dialog answers a name with no ending.
void SavingRun(MenuTest& t) {
  Stepped(t);
  t.window.Companions().ShowTimeline();
  t.answer = (t.folder.path() / "run").string();
}
// Placed and the truth table shown; every dialog answers an expected answer's file,
// which Compared takes.
void Answering(MenuTest& t) {
  Placed(t);
  testing::WriteFile(t.folder.path() / "and.expected", "I1 | O1\n0 | 0\n1 | 1\n");
  t.answer = (t.folder.path() / "and.expected").string();
  t.window.Companions().ShowTruthTable();
}
// Placed; every dialog answers a name with no ending.
void Exporting(MenuTest& t) {
  Placed(t);
  t.answer = (t.folder.path() / "picture").string();
}
void Compared(MenuTest& t) {
  Answering(t);
  t.window.Act(OnCompareWith);
}

const Command kCommands[] = {
    {"New",
     Saved,
     "caption=Tessara gates=0 marks=0 tool=0 first=none saved=no",
     {Qt::CTRL | Qt::Key_N}},
    {"Open", Saved, "asked=Open", {Qt::CTRL | Qt::Key_O}},
    {"SaveFile", Edited, "saved=yes", {Qt::CTRL | Qt::Key_S}},
    {"Save",
     Failing,
     "modal=Error remembered=x.cir asked=Save",
     {Qt::CTRL | Qt::SHIFT | Qt::Key_S}},
    {"ExportPicture", Exporting, "asked=Save files=picture.png"},
    {"Print", Placed, "modal=Print"},
    {"Exit", Saved, "open=no", {Qt::CTRL | Qt::Key_Q}},
    {"CopyPicture", Placed, ""},
    {"Undo", Retooled, "gates=0 marks=0 first=none", {Qt::CTRL | Qt::Key_Z}},
    {"Redo",
     Undone,
     "gates=1 marks=3 first=2600,2600 turned 0",
     {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z}},
    {"CancelLink", Linking, "linking=no", {Qt::Key_Escape}},
    {"StepBack", Stepped, "step=1/2", {Qt::CTRL | Qt::Key_Left}, kAlsoCompanions},
    {"StepForward", Back, "step=1/2", {Qt::CTRL | Qt::Key_Right}, kAlsoCompanions},
    {"Run", Powered, "running=yes", {Qt::CTRL | Qt::Key_R}, kAlsoCompanions},
    {"Timeline", Placed, "windows=Tessara - Timeline", {Qt::CTRL | Qt::Key_L}},
    {"TruthTable", Placed, "windows=Tessara - Truth Table", {Qt::CTRL | Qt::Key_T}},
    {"ShowProblems", Placed, "marks=0"},
    {"Help_Keyboard", Placed, "modal=Tessara - Keyboard"},
    {"Help_About", Placed, "modal=About MyApp"},
    {"TruthTableCompare", Answering, "answer=and.expected asked=Open", {}, kButton},
    {"TruthTableClear", Compared, "answer=", {}, kButton},
    {"SavePicture", SavingRun, "asked=Save files=run.png", {}, kButton},
    {"SaveValues", SavingRun, "asked=Save files=run.csv", {}, kButton},
    {"Power", Retooled, "step=0/0 marks=0 values=0 pointer=no powered=yes", {}, kButton},
    {"Canvas", Focused, "cursor=4425,4050", {Qt::SHIFT | Qt::Key_Left}, kCanvas},
    {"Canvas", Focused, "cursor=4500,3975", {Qt::SHIFT | Qt::Key_Up}, kCanvas},
    {"Canvas", Focused, "cursor=4575,4050", {Qt::SHIFT | Qt::Key_Right}, kCanvas},
    {"Canvas", Focused, "cursor=4500,4125", {Qt::SHIFT | Qt::Key_Down}, kCanvas},
    {"Canvas", Focused, "cursor=4485,4050", {Qt::CTRL | Qt::SHIFT | Qt::Key_Left}, kCanvas},
    {"Canvas",
     Focused,
     "gates=2 marks=6 focus=1",
     {Qt::Key_Return, Qt::KeypadModifier | Qt::Key_Enter},
     kCanvas},
    {"Canvas", FocusedInput, "step=2/2 values=01", {Qt::Key_Space}, kCanvas},
    {"Canvas", Focused, "first=2600,2600 turned 1", {Qt::Key_R}, kCanvas},
    {"Canvas", Focused, "gates=0 marks=0 focus=none first=none", {Qt::Key_Delete}, kCanvas},
    {"Canvas", Focused, "cursor=3000,3000 carrying=yes", {Qt::Key_M}, kCanvas},
    {"Canvas", Focused, "linking=yes tool=1", {Qt::Key_L}, kCanvas},
    {"Canvas", Linking, "gates=2", {Qt::Key_B}, kCanvas},
    {"Canvas", Powered, "step=1/1", {Qt::Key_P}, kCanvas},
    {"Canvas", Focused, "tool=0", {Qt::Key_1}, kCanvas},  // the palette's order
    {"Canvas", Focused, "", {Qt::Key_3}, kCanvas},        // AND, chosen already
    {"Canvas", Focused, "tool=8", {Qt::SHIFT | Qt::Key_4}, kCanvas},
    {"Canvas", Focused, "tool=6", {Qt::Key_0}, kCanvas},
    {"Canvas", Focused, "", {Qt::SHIFT | Qt::Key_R, Qt::ALT | Qt::Key_5, Qt::Key_X}, kCanvas},
    {"PoweredPlace", PoweredPair<0>, "", {}, kGesture, PressCanvas},
    {"PoweredLink", PoweredPair<1>, "", {}, kGesture, PressOutput},
    {"PoweredToggleWithTheLinkTool",
     PoweredPair<1>,
     "step=2/2 values=01",
     {},
     kGesture,
     PressInput},
    {"PoweredMove", PoweredPair<2>, "", {}, kGesture, DragDown},
    {"PoweredDelete", PoweredPair<2>, "", {}, kGesture, DragToTrash},
    {"PoweredTurnBeginsANewRun",
     PoweredPair<2>,
     "step=0/0 first=3350,1100 turned 1",
     {},
     kGesture,
     DoubleClick},
    {"PoweredTableRowRunsTheRow",
     PoweredPair<2>,
     "step=0/0 windows=Tessara - Truth Table values=01",
     {},
     kGesture,
     PressTableRow},
};

// Each command triggered, by each of its keys, and by its buttons.
std::vector<Way> Ways() {
  std::vector<Way> ways;
  for (const Command& command : kCommands) {
    if (command.reach == kMenu || command.reach == kAlsoCompanions) ways.push_back({&command});
    for (QKeyCombination key : command.keys) ways.push_back({&command, Via::Key, key});
    if (command.reach == kAlsoCompanions) {
      ways.push_back({&command, Via::KeyInTimeline, command.keys.at(0)});
      ways.push_back({&command, Via::KeyInTruthTable, command.keys.at(0)});
    }
    if (command.reach == kAlsoCompanions || command.reach == kButton)
      ways.push_back({&command, Via::Button});
    if (command.reach == kGesture) ways.push_back({&command, Via::Gesture});
  }
  return ways;
}

TEST_P(MenuTest, ChangesWhatOnlyItsOwnCommandChanges) {
  const Way& way = GetParam();
  way.command->prepare(*this);
  QWidget* focus = &window;
  if (way.via == Via::KeyInTruthTable) focus = &window.Companions().ShowTruthTable();
  if (way.via == Via::KeyInTimeline || (way.via == Via::Button && way.command->reach != kButton))
    focus = &window.Companions().ShowTimeline();
  if (way.command->reach == kCanvas) focus = &window.Canvas();
  if (way.key.key() != Qt::Key_unknown && way.command->reach != kCanvas) {
    focus->activateWindow();  // the window the key goes to, as Qt's shortcuts see it
    ASSERT_TRUE(QTest::qWaitFor([focus] { return QApplication::activeWindow() == focus; }));
  }
  const std::vector<std::string> before = Facts();
  if (way.via == Via::Entry) {
    Entry(way.command->name)->trigger();
  } else if (way.via == Via::Gesture) {
    way.command->gesture(*this);
  } else if (way.via == Via::Button) {
    Click(Find<QAbstractButton>(QString::fromLatin1(way.command->name)));
  } else {
    QTest::keyClick(focus, way.key.key(), way.key.keyboardModifiers());
  }
  QTest::qWait(20);  // the watcher closes a modal window
  const std::vector<std::string> after = Facts();
  std::string changed;
  for (std::size_t i = 0; i < after.size(); ++i)
    if (after[i] != before[i]) changed += (changed.empty() ? "" : " ") + after[i];
  EXPECT_EQ(changed, way.command->changes);
}

// The test's name: the command's, its key's, and where the key or button is.
std::string WayName(const ::testing::TestParamInfo<Way>& row) {
  constexpr const char* kWhere[] = {"", "", "_InTimeline", "_InTruthTable", "_Button", ""};
  QString key = QKeySequence(row.param.key).toString().replace('+', '_');
  if (!key.isEmpty()) key.prepend('_');
  return row.param.command->name + key.toStdString() + kWhere[static_cast<int>(row.param.via)];
}

INSTANTIATE_TEST_SUITE_P(EveryEntryAndKey, MenuTest, ::testing::ValuesIn(Ways()), WayName);

}  // namespace
}  // namespace tessara::app
