// The window's menus and shortcuts as one table (MenuTable): each entry its menu, the
// action's object name, caption, shortcut keys, handler and when it works. The menu bar
// is built from it, and after every act each entry is greyed by its When.
#pragma once

#include <QKeySequence>
#include <QObject>
#include <array>
#include <functional>
#include <span>
#include <utility>
#include <vector>

#include "app/keyboard_help.h"
#include "editor/command_state.h"

class QAction;
class QMainWindow;
class QWidget;

namespace tessara::app {

class CompanionContext;
class CompanionWindows;
class ModalDialogs;
class RunClock;
class CanvasPanel;

// What the menus' handlers reach: parts of the main window, which outlive the menus.
struct MenuReach {
  CompanionContext& context;  // Act and the run clock
  EditHistory& history;       // Undo, Redo and Cancel Link
  CompanionWindows& companions;
  ModalDialogs& dialogs;  // About
  CanvasPanel& canvas;    // Colour Wires
  QWidget& window;        // Exit closes it
};

enum class Menu { File, Edit, Options, Help, None };  // None: a key of the window's own
enum class Check { None, StartsOn, WhileRunning };    // WhileRunning: while the clock runs

struct MenuEntry {
  Menu menu = Menu::File;
  const char* name = nullptr;  // the action's object name; none for a separator
  const char* caption = "";
  std::array<QKeyCombination, 2> keys{};                              // Key_unknown: none
  QKeySequence::StandardKey standardKeys = QKeySequence::UnknownKey;  // else these
  void (*run)(const MenuReach& reach, bool checked) = nullptr;        // none: does nothing
  When when = When::Always;
  Check check = Check::None;
};

// Every entry, menu by menu in menu order, each menu's entries in order.
std::span<const MenuEntry> MenuTable();

// The keys of the entry's action: its standard keys, or its own.
QList<QKeySequence> Shortcuts(const MenuEntry& entry);
// Where the entry stands, translated: "File > New"; a key of the window's own by its
// caption alone.
QString EntryPath(const MenuEntry& entry);

// Every key of the window, translated, for Help > Keyboard and the README: the
// keyboard's commands (editor/keyboard.h), then each entry's shortcuts with its path.
std::vector<KeyHelpRow> KeyHelpRows();

class Menus : public QObject {
 public:
  // Runs a triggered entry; checked is its action's check after the trigger.
  using Run = std::function<void(const MenuEntry& entry, bool checked)>;

  // Builds window's menu bar, and its keys of its own, from MenuTable, every entry's
  // action a child of window; a triggered entry with a handler goes to run. The check
  // of a WhileRunning entry follows clock. window and clock outlive this.
  Menus(QMainWindow& window, RunClock& clock, Run run);

  // Enables each entry whose When works on form and history, greys the others.
  void Enable(const Form& form, const EditHistory& history);
  // Every entry's action, in MenuTable's order; owned by the window.
  QList<QAction*> Actions() const;

 private:
  std::vector<std::pair<const MenuEntry*, QAction*>> actions_;
};

}  // namespace tessara::app
