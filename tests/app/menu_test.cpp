// Every menu entry and every shortcut runs its own command: each way in (the entry
// triggered, or its key pressed in the window that has the focus) on a fresh window,
// then the one effect that only the right command has. Colour Wires is triggered in
// the scenes of tests/pictures, which show its effect.
#include <QAction>
#include <QApplication>

#include "app/timeline_window.h"
#include "io/circuit_file.h"
#include "temp_folder.h"
#include "window_fixture.h"

namespace tessara::app {
namespace {

class MenuTest;

struct Command {
  const char* name;  // the entry's action
  void (*prepare)(MenuTest& t);
  void (*expect)(MenuTest& t);  // the effect only this command has
  std::vector<QKeyCombination> keys{};
  bool inTimeline = false;  // the first key works in the timeline window too
};

struct Way {
  const Command* command;
  QKeyCombination key = Qt::Key_unknown;  // none: the entry is triggered
  bool inTimeline = false;                // the key goes to the timeline window
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
  using WindowTest::Click;
  using WindowTest::doc;
  using WindowTest::Find;
  using WindowTest::Image;
  using WindowTest::PlaceWith;
  using WindowTest::window;
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
  std::string answer;  // every file dialog's answer
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

const Command kCommands[] = {
    {"New",
     Saved,
     [](MenuTest& t) {
       EXPECT_FALSE(t.doc().Gates(0).GetUsed());
       EXPECT_EQ(t.window.Caption(), "Tessara");
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
     true},
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
     true},
    {"Run",
     Powered,
     [](MenuTest& t) { EXPECT_TRUE(t.window.Clock().Running()); },
     {Qt::CTRL | Qt::Key_R},
     true},
    {"Timeline",
     Placed,
     [](MenuTest& t) { EXPECT_EQ(t.Shown(), QStringList{"Tessara - Timeline"}); },
     {Qt::CTRL | Qt::Key_L}},
    {"TruthTable",
     Placed,
     [](MenuTest& t) { EXPECT_EQ(t.Shown(), QStringList{"Tessara - Truth Table"}); },
     {Qt::CTRL | Qt::Key_T}},
    {"ShowProblems", Placed, [](MenuTest& t) { EXPECT_FALSE(t.window.form().showProblems); }},
    {"Help_Keyboard", Placed,
     [](MenuTest& t) { EXPECT_EQ(t.modal, QStringLiteral("Tessara - Keyboard")); }},
    {"Help_About", Placed, [](MenuTest& t) { EXPECT_EQ(t.modal, QStringLiteral("About MyApp")); }},
};

// Each command triggered, then by each of its keys.
std::vector<Way> Ways() {
  std::vector<Way> ways;
  for (const Command& command : kCommands) {
    ways.push_back({&command});
    for (QKeyCombination key : command.keys) ways.push_back({&command, key});
    if (command.inTimeline) ways.push_back({&command, command.keys.at(0), true});
  }
  return ways;
}

TEST_P(MenuTest, RunsItsOwnCommand) {
  const Way& way = GetParam();
  way.command->prepare(*this);
  if (way.key.key() == Qt::Key_unknown) {
    Entry(way.command->name)->trigger();
  } else {
    QWidget* focus = &window;
    if (way.inTimeline) focus = &window.Companions().ShowTimeline();
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
                           return name + (way.inTimeline ? "_InTimeline" : "");
                         });

}  // namespace
}  // namespace tessara::app
