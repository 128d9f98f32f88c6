#include "app/menus.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>

#include "app/build_dialog.h"
#include "app/canvas.h"
#include "app/circuit_pictures.h"
#include "app/companion_context.h"
#include "app/companion_windows.h"
#include "app/dialogs.h"
#include "app/getting_started.h"
#include "app/run_clock.h"
#include "editor/commands.h"
#include "editor/keyboard.h"
#include "editor/refresh.h"
#include "editor/stepping.h"

namespace tessara::app {
namespace {

constexpr const char* kContext = "Menus";  // of the captions' translations

// The first example that comes with the program: installed beside it
// (../share/tessara/examples), or in the source tree of a program not installed.
std::string FirstExample() {
  const QString installed =
      QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tessara/examples");
  const QDir folder(QDir(installed).exists() ? installed : QStringLiteral(TESSARA_EXAMPLES_DIR));
  return QFile::encodeName(folder.absoluteFilePath(QStringLiteral("half_adder.cir"))).toStdString();
}

// An editor handler, as an act.
template <auto handler>
void ActOn(const MenuReach& reach, bool) {
  reach.context.Act([](Form& form) { handler(form); });
}

// A step of the undo history, as an act.
template <void (EditHistory::*step)(Form&)>
void HistoryStep(const MenuReach& reach, bool) {
  reach.context.Act([&history = reach.history](Form& form) { (history.*step)(form); });
}

// The menus' titles and object names, by Menu.
constexpr std::pair<const char*, const char*> kMenuTitles[] = {
    {QT_TRANSLATE_NOOP("Menus", "&File"), nullptr},
    {QT_TRANSLATE_NOOP("Menus", "&Edit"), nullptr},
    {QT_TRANSLATE_NOOP("Menus", "&Options"), nullptr},
    {QT_TRANSLATE_NOOP("Menus", "&Help"), "HelpMenu"},
};

constexpr MenuEntry kMenuTable[] = {
    {.name = "New",
     .caption = QT_TRANSLATE_NOOP("Menus", "New"),
     .keys = {Qt::CTRL | Qt::Key_N},
     .run = ActOn<OnNew>},
    {.name = "Open",
     .caption = QT_TRANSLATE_NOOP("Menus", "Open..."),
     .standardKeys = QKeySequence::Open,
     .run = ActOn<OnOpen>},
    {.name = "OpenExample",
     .caption = QT_TRANSLATE_NOOP("Menus", "Open Example..."),
     .run =
         [](const MenuReach& reach, bool) {
           reach.context.Act([](Form& form) { OnOpenExample(form, FirstExample()); });
         }},
    {.name = "SaveFile",
     .caption = QT_TRANSLATE_NOOP("Menus", "Save"),
     .keys = {Qt::CTRL | Qt::Key_S},
     .run = ActOn<OnSaveAs>},
    {.name = "Save",
     .caption = QT_TRANSLATE_NOOP("Menus", "Save As..."),
     .keys = {Qt::CTRL | Qt::SHIFT | Qt::Key_S},
     .run = ActOn<OnSave>},
    {.name = "NewFromExpression",
     .caption = QT_TRANSLATE_NOOP("Menus", "New From Expression..."),
     .run = [](const MenuReach& reach, bool) { BuildAndOpen(reach.context, &reach.window); }},
    {.name = "ExportPicture",
     .caption = QT_TRANSLATE_NOOP("Menus", "Export Picture..."),
     .run = [](const MenuReach& reach,
               bool) { ExportCircuitPicture(reach.context.form(), reach.canvas); }},
    {.name = "Print",
     .caption = QT_TRANSLATE_NOOP("Menus", "Print..."),
     .run =
         [](const MenuReach& reach, bool) {
           PrintCircuit(reach.context.form(), reach.canvas, reach.context.Clock(), reach.window);
         }},
    {.name = "blah"},  // a blank entry that does nothing
    {.name = "Exit",
     .caption = QT_TRANSLATE_NOOP("Menus", "Exit"),
     .keys = {Qt::CTRL | Qt::Key_Q},  // the desktop's Quit, bound also where Qt binds none
     .run = [](const MenuReach& reach, bool) { reach.window.close(); }},
    {.menu = Menu::Edit,
     .name = "Undo",
     .caption = QT_TRANSLATE_NOOP("Menus", "Undo"),
     .keys = {Qt::CTRL | Qt::Key_Z},
     .run = HistoryStep<&EditHistory::Undo>,
     .when = When::CanUndo},
    {.menu = Menu::Edit,
     .name = "Redo",
     .caption = QT_TRANSLATE_NOOP("Menus", "Redo"),
     .keys = {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z},
     .run = HistoryStep<&EditHistory::Redo>,
     .when = When::CanRedo},
    {.menu = Menu::Edit,
     .name = "CopyPicture",
     .caption = QT_TRANSLATE_NOOP("Menus", "Copy Picture"),
     .run = [](const MenuReach& reach,
               bool) { CopyCircuitPicture(reach.context.form(), reach.canvas); }},
    {.menu = Menu::None,
     .name = "CancelLink",
     .caption = QT_TRANSLATE_NOOP("Menus", "Cancel the link being drawn or the gate being moved"),
     .keys = {Qt::Key_Escape},
     .run = HistoryStep<&EditHistory::CancelLink>},
    {.menu = Menu::Options,
     .name = "StepBack",
     .caption = QT_TRANSLATE_NOOP("Menus", "Step Back"),
     .keys = {Qt::CTRL | Qt::Key_Left},
     .run = ActOn<OnStepBack>,
     .when = When::Powered},
    {.menu = Menu::Options,
     .name = "StepForward",
     .caption = QT_TRANSLATE_NOOP("Menus", "Step Forward"),
     .keys = {Qt::CTRL | Qt::Key_Right},
     .run = ActOn<OnStepForward>,
     .when = When::Powered},
    {.menu = Menu::Options,
     .name = "Run",
     .caption = QT_TRANSLATE_NOOP("Menus", "Run"),
     .keys = {Qt::CTRL | Qt::Key_R},
     .run = [](const MenuReach& reach, bool) { reach.context.Clock().Toggle(); },
     .when = When::Powered,
     .check = Check::WhileRunning},
    {.menu = Menu::Options},
    {.menu = Menu::Options,
     .name = "Timeline",
     .caption = QT_TRANSLATE_NOOP("Menus", "Timeline"),
     .keys = {Qt::CTRL | Qt::Key_L},
     .run = [](const MenuReach& reach, bool) { reach.companions.ShowTimeline(); }},
    {.menu = Menu::Options,
     .name = "TruthTable",
     .caption = QT_TRANSLATE_NOOP("Menus", "Truth Table"),
     .keys = {Qt::CTRL | Qt::Key_T},
     .run = [](const MenuReach& reach, bool) { reach.companions.ShowTruthTable(); }},
    {.menu = Menu::Options},
    {.menu = Menu::Options,
     .name = "ColourWires",
     .caption = QT_TRANSLATE_NOOP("Menus", "Colour Wires"),
     .run = [](const MenuReach& reach, bool on) { reach.canvas.SetColourWires(on); },
     .check = Check::StartsOn},
    {.menu = Menu::Options,
     .name = "ShowProblems",
     .caption = QT_TRANSLATE_NOOP("Menus", "Show Problems"),
     .run = [](const MenuReach& reach,
               bool on) { reach.context.Act([on](Form& form) { OnShowProblems(form, on); }); },
     .check = Check::StartsOn},
    {.menu = Menu::Help,
     .name = "Help_GettingStarted",
     .caption = QT_TRANSLATE_NOOP("Menus", "Getting Started"),
     .run = [](const MenuReach& reach, bool) { ShowGettingStarted(reach.window); }},
    {.menu = Menu::Help,
     .name = "Help_Keyboard",
     .caption = QT_TRANSLATE_NOOP("Menus", "Keyboard"),
     .run = [](const MenuReach& reach, bool) { reach.dialogs.ShowKeyboard(KeyHelpRows()); }},
    {.menu = Menu::Help,
     .name = "Help_About",
     .caption = QT_TRANSLATE_NOOP("Menus", "About"),
     .run = [](const MenuReach& reach, bool) { reach.dialogs.ShowAbout(); }},
};

// A caption of the table in the window's language.
QString MenuText(const char* text) { return QCoreApplication::translate(kContext, text); }

}  // namespace

std::span<const MenuEntry> MenuTable() { return kMenuTable; }

QList<QKeySequence> Shortcuts(const MenuEntry& entry) {
  if (entry.standardKeys != QKeySequence::UnknownKey) {
    return QKeySequence::keyBindings(entry.standardKeys);
  }
  QList<QKeySequence> shortcuts;
  for (QKeyCombination key : entry.keys) {
    if (key.key() != Qt::Key_unknown) shortcuts << QKeySequence(key);
  }
  return shortcuts;
}

QString EntryPath(const MenuEntry& entry) {
  if (entry.menu == Menu::None) return MenuText(entry.caption);
  QString title = MenuText(kMenuTitles[static_cast<std::size_t>(entry.menu)].first);
  return title.remove(QLatin1Char('&')) + QStringLiteral(" > ") + MenuText(entry.caption);
}

std::vector<KeyHelpRow> KeyHelpRows() {
  // The key table's texts are string literals, so each view ends where its literal does.
  auto fromKeyTable = [](std::string_view text) {
    return QCoreApplication::translate(kKeyContext, text.data());
  };
  std::vector<KeyHelpRow> rows;
  for (const KeyCommand& command : KeyCommands()) {
    rows.push_back({fromKeyTable(command.keys), fromKeyTable(command.what)});
  }
  for (const MenuEntry& entry : MenuTable()) {
    QStringList keys;
    for (const QKeySequence& key : Shortcuts(entry)) keys << key.toString(QKeySequence::NativeText);
    if (!keys.isEmpty()) rows.push_back({keys.join(QStringLiteral(", ")), EntryPath(entry)});
  }
  return rows;
}

Menus::Menus(QMainWindow& window, RunClock& clock, Run run) : QObject(&window) {
  std::array<QMenu*, std::size(kMenuTitles)> menus{};
  for (const MenuEntry& entry : MenuTable()) {
    QWidget* holder = &window;
    if (entry.menu != Menu::None) {
      const auto [title, menuName] = kMenuTitles[static_cast<std::size_t>(entry.menu)];
      QMenu*& menu = menus[static_cast<std::size_t>(entry.menu)];
      if (!menu) {
        menu = window.menuBar()->addMenu(MenuText(title));
        if (menuName) menu->setObjectName(QString::fromLatin1(menuName));
      }
      if (!entry.name) {
        menu->addSeparator();
        continue;
      }
      holder = menu;
    }
    auto* action = new QAction(MenuText(entry.caption), &window);
    holder->addAction(action);
    action->setObjectName(QString::fromLatin1(entry.name));
    action->setShortcuts(Shortcuts(entry));
    action->setCheckable(entry.check != Check::None);
    action->setChecked(entry.check == Check::StartsOn);
    if (entry.run) {
      connect(action, &QAction::triggered, this,
              [&entry, run](bool checked) { run(entry, checked); });
    }
    if (entry.check == Check::WhileRunning) {
      connect(&clock, &RunClock::runningChanged, action, &QAction::setChecked);
    }
    actions_.emplace_back(&entry, action);
  }
}

void Menus::Enable(const Form& form, const EditHistory& history) {
  for (const auto& [entry, action] : actions_)
    action->setEnabled(Works(entry->when, form, history));
}

QList<QAction*> Menus::Actions() const {
  QList<QAction*> actions;
  for (const auto& [entry, action] : actions_) actions << action;
  return actions;
}

}  // namespace tessara::app
