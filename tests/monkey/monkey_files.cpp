// The monkey's file commands, from the menu or from their keyboard shortcuts, and
// drags that another button or a file command interrupts.
#include <QAction>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/tessara_form.h"
#include "file_corpus.h"
#include "io/circuit_file.h"
#include "monkey.h"
#include "window_probe.h"

namespace tessara::app {
namespace {

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

void Monkey::Command(Faults& f, QAction* action, bool byShortcut) {
  const long asked = asked_;
  // Not every platform gives every standard command a key.
  if (byShortcut && !action->shortcut().isEmpty()) {
    // A closed message box leaves no window active, and keys go to the active one.
    probe_.window.activateWindow();
    f.Expect(QTest::qWaitForWindowActive(&probe_.window), "the window could not be made active");
    const QKeyCombination keys = action->shortcut()[0];
    QTest::keyClick(&probe_.window, keys.key(), keys.keyboardModifiers());
  } else {
    action->trigger();
  }
  f.Expect(asked_ != asked, action->objectName().toStdString(), " asked for no file");
}

std::string Monkey::OpenFile(Faults& f, bool byShortcut, bool* loaded) {
  const FileCorpus::Choice choice = files_.PickToOpen(rng_);
  const Before b = Snap();
  answer_ = choice.path;
  Command(f, probe_.openAction, byShortcut);
  Count("open " + choice.kind);
  const std::string described = "File > Open " + choice.kind + " " + choice.path;
  std::optional<Document> readable;
  if (!choice.path.empty() && std::filesystem::is_regular_file(choice.path)) {
    readable = std::move(ReadCircuit(ReadText(choice.path)).document);
  }
  if (loaded) *loaded = readable.has_value();
  if (choice.path.empty()) {
    ExpectUnchanged(f, b);
    ExpectNoBox(f);
  } else if (!readable) {
    ExpectBox(f, "Error", choice.path);
    ExpectUnchanged(f, b);
    f.Expect(probe_.window.Caption() == b.caption, "a failed Open changed the caption");
  } else {
    ExpectNoBox(f);
    f.Expect(WriteCircuit(form().doc) == WriteCircuit(*readable),
             "the window holds another circuit than ", choice.path);
    f.Expect(probe_.window.Caption() == "Tessara - " + choice.path, "the caption reads ",
             probe_.window.Caption());
    f.Expect(!form().doc.PowerOn && form().doc.CurrentTool == kSelectTool &&
                 form().LinkStarted == 0,
             "Open left power, tool or a link being drawn");
    odd_ = choice.odd;
  }
  return described;
}

std::string Monkey::SaveFile(Faults& f, bool byShortcut) {
  const FileCorpus::Choice choice = files_.PickToSave(rng_);
  const Before b = Snap();
  answer_ = choice.path;
  Command(f, probe_.saveAction, byShortcut);
  Count("save " + choice.kind);
  if (choice.kind == "new" || choice.kind == "overwrite") {
    ExpectNoBox(f);
    f.Expect(ReadText(choice.path) == b.text, "the file saved is not the circuit");
    f.Expect(probe_.window.Caption() == "Tessara - " + choice.path, "the caption reads ",
             probe_.window.Caption());
    files_.Saved(choice, odd_);
  } else {
    if (choice.path.empty()) {
      ExpectNoBox(f);
    } else {
      ExpectBox(f, "Error", choice.path);
    }
    f.Expect(probe_.window.Caption() == b.caption, "a failed Save changed the caption");
  }
  ExpectUnchanged(f, b);
  return "File > Save As " + choice.kind + " " + choice.path;
}

std::string Monkey::OpenCommand(Faults& f) { return OpenFile(f, Chance(30), nullptr); }

std::string Monkey::SaveCommand(Faults& f) { return SaveFile(f, Chance(30)); }

// A press on a gate image, then halfway to a canvas point a second button comes and
// goes, or a file is opened or saved by its shortcut; then the release.
std::string Monkey::InterruptedDrag(Faults& f) {
  const std::optional<Aim> aim = AimAt(false);
  if (!aim) return PressCanvas(f);
  const QPoint to = AnyCanvasPoint();
  const QPoint halfway = (aim->at + to) / 2;
  std::ostringstream described;
  described << "drag " << Name(aim->at) << ' ' << aim->at << " to " << Name(to) << ' ' << to
            << " interrupted by ";
  Press(aim->at, Qt::LeftButton);
  MoveTo(halfway);
  ExpectOnlyWindowBoxes(f);  // the press may have taken a link step
  bool loaded = false;
  switch (std::uniform_int_distribution<int>(0, 2)(rng_)) {
    case 0:
      Click(halfway, Qt::RightButton);
      described << "a right click";
      Count("drag interrupted by a click");
      break;
    case 1:
      described << OpenFile(f, true, &loaded);
      Count("drag interrupted by Open");
      break;
    default:
      described << SaveFile(f, true);
      Count("drag interrupted by Save As");
      break;
  }
  const std::string opened = WriteCircuit(form().doc);
  MoveTo(to);
  Release(to, Qt::LeftButton);
  // Opening hides every element, and a hidden element's drag is over.
  if (loaded) f.Expect(WriteCircuit(form().doc) == opened, "the drag went on into the opened circuit");
  return described.str();
}

}  // namespace tessara::app
