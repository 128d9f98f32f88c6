// Every menu entry, shortcut and companion window button runs its own command: each way
// in (the entry triggered, its key pressed in the window that has the focus, or its
// button clicked) on a fresh window, then the one effect that only the right command
// has. Colour Wires is triggered in the scenes of tests/pictures, which show its effect.
// Last, each key the canvas takes asks for its own keyboard command (which the editor's
// keyboard tests run).
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <filesystem>

#include "app/timeline_window.h"
#include "editor/expected_answer.h"
#include "io/circuit_file.h"
#include "temp_folder.h"
#include "window_fixture.h"

namespace tessara::app {
namespace {

class MenuTest;

// Where a command is found: a menu entry with its keys; also its first key in the
// timeline window and the button there; or only a button of a window prepare shows.
enum Reach { kMenu, kAlsoTimeline, kButton };

struct Command {
  const char* name;  // the entry's action, or the button's name
  void (*prepare)(MenuTest& t);
  void (*expect)(MenuTest& t);  // the effect only this command has
  std::vector<QKeyCombination> keys{};
  Reach reach = kMenu;
};

enum class Via { Entry, Key, KeyInTimeline, Button };

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
          asked.push_back(mode);
          return FileChoice{answer};
        });
  }
  QAction* Entry(const char* name) { return Find<QAction>(QString::fromLatin1(name)); }
  // The titles of the windows shown beside the main window, in order.
  QStringList Shown() {
    QStringList titles;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible() && w != &window) titles << w->windowTitle();
    titles.sort();
    return titles;
  }
  const RunHistory& history() { return window.form().history; }

  testing::TempFolder folder;
  const std::string path = (folder.path() / "saved.cir").string();
  std::string answer;                                       // every file dialog's answer
  const std::filesystem::path run = folder.path() / "run";  // an answer with no ending
  std::vector<FileDialogMode> asked;
  QString modal;  // the title of the modal window that opened
  ModalWatcher watcher{[this](QWidget* w) { modal = w->windowTitle(); }};
};

// An AND gate placed.
void Placed(MenuTest& t) { t.PlaceWith("AndGateButton", QPoint(200, 200)); }
// An AND gate saved under the remembered name, nothing asked since.
void Saved(MenuTest& t) {
  Placed(t);
  t.answer = t.path;
  t.Entry("Save")->trigger();
  t.answer.clear();
  t.asked.clear();
}
// Saved, then an OR gate placed.
void Edited(MenuTest& t) {
  Saved(t);
  t.PlaceWith("OrGateButton", QPoint(200, 350));
}
void Powered(MenuTest& t) { t.Click(t.Find(QStringLiteral("Power"))); }
// Powered and two prop steps taken.
void Stepped(MenuTest& t) {
  Powered(t);
  for (int i = 0; i < 2; ++i) t.Click(t.Find(QStringLiteral("prop")));
}
// Stepped, the timeline shown, every dialog answering a name with no ending.
void SavingRun(MenuTest& t) {
  Stepped(t);
  t.window.Companions().ShowTimeline();
  t.answer = t.run.string();
}
// The truth table shown, every dialog answering an expected answer's file.
void Answering(MenuTest& t) {
  Placed(t);
  testing::WriteFile(t.folder.path() / "and.expected", "I1 | O1\n0 | 0\n1 | 1\n");
  t.answer = (t.folder.path() / "and.expected").string();
  t.window.Companions().ShowTruthTable();
}

const Command kCommands[] = {
    {"New",
     Saved,
     [](MenuTest& t) {
       EXPECT_FALSE(t.doc().Gates(0).GetUsed());
       EXPECT_EQ(t.window.Caption().English(), "Tessara");
     },
     {Qt::CTRL | Qt::Key_N}},
    {"Open",
     Saved,
     [](MenuTest& t) { EXPECT_EQ(t.asked, std::vector{FileDialogMode::Open}); },
     {Qt::CTRL | Qt::Key_O}},
    {"SaveFile",
     Edited,
     [](MenuTest& t) {
       EXPECT_EQ(testing::ReadFile(t.path), WriteCircuit(t.doc()));
       EXPECT_TRUE(t.asked.empty());
     },
     {Qt::CTRL | Qt::Key_S}},
    {"Save",
     Edited,
     [](MenuTest& t) { EXPECT_EQ(t.asked, std::vector{FileDialogMode::Save}); },
     {Qt::CTRL | Qt::SHIFT | Qt::Key_S}},
    {"Exit",
     Saved,
     [](MenuTest& t) { EXPECT_FALSE(t.window.isVisible()); },
     {Qt::CTRL | Qt::Key_Q}},
    {"Undo",
     Placed,
     [](MenuTest& t) { EXPECT_FALSE(t.doc().Gates(0).GetUsed()); },
     {Qt::CTRL | Qt::Key_Z}},
    {"Redo",
     [](MenuTest& t) {
       Placed(t);
       t.Entry("Undo")->trigger();
     },
     [](MenuTest& t) { EXPECT_TRUE(t.doc().Gates(0).GetUsed()); },
     {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z}},
    {"CancelLink",
     [](MenuTest& t) {
       Placed(t);
       t.Click(t.Find(QStringLiteral("LinkButton")));
       t.Click(t.Image(0), QPoint(45, 26));
     },
     [](MenuTest& t) { EXPECT_EQ(t.window.form().LinkStarted, 0); },
     {Qt::Key_Escape}},
    {"StepBack",
     Stepped,
     [](MenuTest& t) { EXPECT_EQ(t.history().Current(), 1u); },
     {Qt::CTRL | Qt::Key_Left},
     kAlsoTimeline},
    {"StepForward",
     [](MenuTest& t) {
       Stepped(t);
       for (int i = 0; i < 2; ++i) t.window.Act(StepBack_Click);
     },
     [](MenuTest& t) {
       EXPECT_EQ(std::pair(t.history().Current(), t.history().Last()),
                 std::pair(std::size_t{1}, std::size_t{2}));
     },
     {Qt::CTRL | Qt::Key_Right},
     kAlsoTimeline},
    {"Run",
     Powered,
     [](MenuTest& t) { EXPECT_TRUE(t.window.Clock().Running()); },
     {Qt::CTRL | Qt::Key_R},
     kAlsoTimeline},
    {"Timeline",
     Placed,
     [](MenuTest& t) { EXPECT_EQ(t.Shown(), QStringList{"Tessara - Timeline"}); },
     {Qt::CTRL | Qt::Key_L}},
    {"TruthTable",
     Placed,
     [](MenuTest& t) { EXPECT_EQ(t.Shown(), QStringList{"Tessara - Truth Table"}); },
     {Qt::CTRL | Qt::Key_T}},
    {"ShowProblems", Placed,
     [](MenuTest& t) { EXPECT_TRUE(t.window.ProblemMarks().Marks().empty()); }},
    {"Help_Keyboard", Placed,
     [](MenuTest& t) { EXPECT_EQ(t.modal, QStringLiteral("Tessara - Keyboard")); }},
    {"Help_About", Placed, [](MenuTest& t) { EXPECT_EQ(t.modal, QStringLiteral("About MyApp")); }},
    {"TruthTableCompare",
     Answering,
     [](MenuTest& t) { EXPECT_EQ(t.window.form().expected->name, "and.expected"); },
     {},
     kButton},
    {"TruthTableClear",
     [](MenuTest& t) {
       Answering(t);
       t.window.Act(CompareWith_Click);
     },
     [](MenuTest& t) { EXPECT_EQ(t.window.form().expected, nullptr); },
     {},
     kButton},
    {"SavePicture",
     SavingRun,
     [](MenuTest& t) { EXPECT_TRUE(std::filesystem::exists(t.run.string() + ".png")); },
     {},
     kButton},
    {"SaveValues",
     SavingRun,
     [](MenuTest& t) { EXPECT_TRUE(std::filesystem::exists(t.run.string() + ".csv")); },
     {},
     kButton},
};

// Each command triggered, by each of its keys, and by its buttons.
std::vector<Way> Ways() {
  std::vector<Way> ways;
  for (const Command& command : kCommands) {
    if (command.reach != kButton) ways.push_back({&command});
    for (QKeyCombination key : command.keys) ways.push_back({&command, Via::Key, key});
    if (command.reach == kAlsoTimeline)
      ways.push_back({&command, Via::KeyInTimeline, command.keys.at(0)});
    if (command.reach != kMenu) ways.push_back({&command, Via::Button});
  }
  return ways;
}

TEST_P(MenuTest, RunsItsOwnCommand) {
  const Way& way = GetParam();
  way.command->prepare(*this);
  QWidget* focus = &window;
  if (way.command->reach == kAlsoTimeline && way.via != Via::Entry && way.via != Via::Key)
    focus = &window.Companions().ShowTimeline();
  if (way.via == Via::Entry) {
    Entry(way.command->name)->trigger();
  } else if (way.via == Via::Button) {
    Click(Find<QAbstractButton>(QString::fromLatin1(way.command->name)));
  } else {
    ASSERT_TRUE(QTest::qWaitForWindowActive(focus));
    QTest::keyClick(focus, way.key.key(), way.key.keyboardModifiers());
  }
  QTest::qWait(20);  // the watcher closes a modal window
  way.command->expect(*this);
}

INSTANTIATE_TEST_SUITE_P(EveryEntryAndKey, MenuTest, ::testing::ValuesIn(Ways()),
                         [](const ::testing::TestParamInfo<Way>& row) {
                           const Way& way = row.param;
                           std::string name = way.command->name;
                           if (way.key.key() != Qt::Key_unknown)
                             name += "_" + QKeySequence(way.key)
                                               .toString()
                                               .replace(QLatin1Char('+'), QLatin1Char('_'))
                                               .toStdString();
                           if (way.via == Via::Button && way.command->reach != kButton)
                             name += "_Button";
                           return name + (way.via == Via::KeyInTimeline ? "_InTimeline" : "");
                         });

// Each key with the modifiers it takes, as the canvas asks for it; a key or modifier no
// command takes asks for nothing and is left to the window.
TEST_F(WindowTest, EachKeyOnTheCanvasAsksForItsOwnKeyboardCommand) {
  struct Row {
    QKeyCombination key;
    Key asked;
    Modifiers modifiers = Modifiers::None;
    int digit = 0;
  };
  using enum Key;
  const Row rows[] = {{Qt::Key_Left, Left},
                      {Qt::Key_Up, Up},
                      {Qt::Key_Right, Right},
                      {Qt::Key_Down, Down},
                      {Qt::Key_Return, Enter},
                      {Qt::KeypadModifier | Qt::Key_Enter, Enter},
                      {Qt::Key_Space, Space},
                      {Qt::Key_Delete, Delete},
                      {Qt::Key_R, R},
                      {Qt::Key_M, M},
                      {Qt::Key_L, L},
                      {Qt::Key_B, B},
                      {Qt::Key_P, P},
                      {Qt::Key_0, Digit},
                      {Qt::Key_9, Digit, {}, 9},
                      {Qt::SHIFT | Qt::Key_3, Digit, {}, 3},
                      {Qt::SHIFT | Qt::Key_Up, Up, Modifiers::Shift},
                      {Qt::CTRL | Qt::SHIFT | Qt::Key_Left, Left, Modifiers::ControlShift},
                      {Qt::SHIFT | Qt::Key_R, None},
                      {Qt::ALT | Qt::Key_3, None},
                      {Qt::Key_X, None}};
  std::vector<KeyPress> asked;
  QObject::connect(&window.Canvas(), &Tessara_Frame::keyDown, &window,
                   [&asked](KeyPress press) { asked.push_back(press); });
  for (const Row& row : rows) {
    asked.clear();
    QTest::keyClick(&window.Canvas(), row.key.key(), row.key.keyboardModifiers());
    const auto seen = asked.empty() ? std::tuple(None, Modifiers::None, 0)
                                    : std::tuple(asked[0].key, asked[0].modifiers, asked[0].digit);
    EXPECT_EQ(seen, std::tuple(row.asked, row.modifiers, row.digit))
        << QKeySequence(row.key).toString().toStdString();
  }
}

}  // namespace
}  // namespace tessara::app
