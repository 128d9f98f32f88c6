// The keyboard and screen readers on the real window: Tab's order, keys reaching the
// palette, the canvas and the trash can, what Qt's accessibility reports, and Help >
// Keyboard against the README. The marks drawn while the canvas has the focus are seen
// in the scenes of tests/pictures.
#include <QAccessible>
#include <QAction>
#include <QTableWidget>

#include "app/menus.h"
#include "man_synopsis.h"
#include "temp_folder.h"
#include "window_fixture.h"

namespace tessara::app {
namespace {

struct Keys : WindowTest {
  Keys() {
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) ADD_FAILURE() << "the window is not active";
  }
  // Presses key on the widget with the focus, and returns the widget that has it then.
  QWidget* Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    return QApplication::focusWidget();
  }
};

TEST_F(Keys, TabVisitsEachStopAndKeysThereDoWhatClicksAndTheCanvasKeysDo) {
  ASSERT_EQ(QApplication::focusWidget()->objectName().toStdString(), "CrossButton");
  const char* const stops[] = {"Canvas", "TrashCan", "Power", "prop", "CrossButton"};
  for (const char* stop : stops) EXPECT_EQ(Press(Qt::Key_Tab)->objectName(), stop);
  EXPECT_EQ(Press(Qt::Key_Right)->objectName(), "LinkButton");
  EXPECT_EQ(Press(Qt::Key_Down)->objectName(), "NandGateButton");
  EXPECT_EQ(doc().CurrentTool, kNandGate) << "the arrows choose as they go";
  Press(Qt::Key_Tab);  // the digits' tools are rows of the menu table (menu_test.cpp)
  Press(Qt::Key_3), Press(Qt::Key_Return);  // an AND gate on the cursor (300, 270)
  EXPECT_TRUE(doc().Gates(0).GetUsed());
  Press(Qt::Key_M), Press(Qt::Key_Down), Press(Qt::Key_Escape);
  EXPECT_EQ(doc().Gates(0).GetY(), 3650) << "Escape puts a carried gate back";
  EXPECT_EQ(Press(Qt::Key_Tab)->objectName(), "TrashCan");
  Press(Qt::Key_Return);
  EXPECT_FALSE(doc().Gates(0).GetUsed());
  Press(Qt::Key_Tab), Press(Qt::Key_Space);
  EXPECT_TRUE(doc().PowerOn);
}

TEST_F(Keys, ScreenReadersHearNamesWithValuesRolesActionsAndTheFocusedGate) {
  // An input and a NOT gate on the cursor, linked; Power by Tab and Space; I1 toggled.
  for (Qt::Key key :
       {Qt::Key_Tab, Qt::Key_9, Qt::Key_Return, Qt::Key_7, Qt::Key_Return, Qt::Key_Left, Qt::Key_L,
        Qt::Key_Right, Qt::Key_Return, Qt::Key_Left, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space,
        Qt::Key_Backtab, Qt::Key_Backtab, Qt::Key_Space, Qt::Key_P})
    Press(key);
  QAccessibleInterface* input = QAccessible::queryAccessibleInterface(Image(0));
  QAccessibleInterface* inverter = QAccessible::queryAccessibleInterface(Image(1));
  EXPECT_EQ(input->text(QAccessible::Name), QStringLiteral("input I1, 1"));
  EXPECT_EQ(inverter->text(QAccessible::Name),
            QStringLiteral("NOT gate 1, output 0, input from I1"));
  EXPECT_EQ(inverter->role(), QAccessible::Graphic);
  EXPECT_EQ(inverter->valueInterface(), nullptr) << "the value is in the name, not stepped";
  QAccessibleInterface* canvas = QAccessible::queryAccessibleInterface(&window.Canvas());
  QStringList children;  // the two gates and the headings; no label, layer or hidden one
  for (int i = 0; i < canvas->childCount(); ++i)
    children << canvas->child(i)->text(QAccessible::Name);
  EXPECT_EQ(children.size(), 4) << children.join(" | ").toStdString();
  EXPECT_FALSE(children.contains(QString())) << children.join(" | ").toStdString();
  EXPECT_EQ(canvas->role(), QAccessible::Canvas);
  EXPECT_EQ(canvas->text(QAccessible::Name),
            QStringLiteral("circuit: 1 gate, 1 input, 0 outputs, powered, step 2"));
  EXPECT_EQ(canvas->focusChild(), input);
  EXPECT_TRUE(input->state().focused);
  QAccessibleInterface* nand =
      QAccessible::queryAccessibleInterface(Find(QStringLiteral("NandGateButton")));
  EXPECT_EQ(std::pair(nand->role(), nand->text(QAccessible::Name)),
            std::pair(QAccessible::RadioButton, QStringLiteral("NAND")));
  EXPECT_TRUE(
      QAccessible::queryAccessibleInterface(Find(QStringLiteral("LinkButton")))->state().checked);
  nand->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(doc().CurrentTool, kNandGate) << "a palette button offers press";
}

// The learner's guide's table under "### The keyboard alone", row by row.
std::vector<KeyHelpRow> ReadmeKeyTable() {
  std::vector<KeyHelpRow> rows;
  for (const std::string& line :
       testing::LinesBetween(testing::ReadFile(TESSARA_SOURCE_DIR "/docs/learners-guide.md"),
                             "### The keyboard alone", "##", "| ")) {
    const std::size_t middle = line.find(" | ");
    rows.push_back({QString::fromStdString(line.substr(2, middle - 2)),
                    QString::fromStdString(line.substr(middle + 3, line.size() - middle - 5))});
  }
  if (!rows.empty()) rows.erase(rows.begin());  // the heading row
  return rows;
}

TEST_F(Keys, HelpKeyboardShowsEveryKeyAsTheReadmeTableLists) {
  const std::vector<KeyHelpRow> rows = KeyHelpRows(), readme = ReadmeKeyTable();
  ASSERT_EQ(readme.size(), rows.size());
  for (std::size_t r = 0; r < rows.size(); ++r) {
    EXPECT_EQ(readme[r].keys, rows[r].keys) << "row " << r;
    EXPECT_EQ(readme[r].what, rows[r].what) << "row " << r;
  }
  ModalWatcher watcher([&](QWidget* help) {
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Tessara - Keyboard"));
    EXPECT_EQ(help->findChild<QTableWidget*>()->rowCount(), int(rows.size()));
  });
  Find<QAction>(QStringLiteral("Help_Keyboard"))->trigger();
  EXPECT_TRUE(watcher.seen());
}

}  // namespace
}  // namespace tessara::app
