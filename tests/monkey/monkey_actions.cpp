// The monkey's actions: real mouse events on the window's widgets, its buttons and
// its menu commands, with the dialogs answered.
#include <sstream>

#include "file_corpus.h"
#include "io/circuit_file.h"
#include "monkey.h"
#include "window_probe.h"

namespace tessara::app {
namespace {

template <typename T, std::size_t N>
T Any(const T (&items)[N], std::mt19937& rng) {
  return items[std::uniform_int_distribution<std::size_t>(0, N - 1)(rng)];
}

}  // namespace

std::string Monkey::Gesture(QTest::MouseAction action, QPoint at, Qt::MouseButton button,
                            std::string what) {
  std::ostringstream described;
  described << what << " at " << at << ' '
            << (button == Qt::LeftButton ? "left" : button == Qt::RightButton ? "right" : "middle")
            << " on " << probe_.Name(at);
  Mouse(action, at, button);
  return Count(std::move(what), described.str());
}

std::string Monkey::PickTool() {
  int button = std::uniform_int_distribution<int>(0, kPaletteButtonCount - 1)(rng_);
  const int roll = std::uniform_int_distribution<int>(0, 99)(rng_);
  if (mood_ == Mood::Grow && roll < 85) button = std::uniform_int_distribution<int>(2, 9)(rng_);
  if (mood_ == Mood::Wire && roll < 70) button = 1;
  if (mood_ == Mood::Churn && roll < 40) button = 0;
  return Gesture(QTest::MouseClick, AnyPointOn(probe_.PaletteButton(button)), Qt::LeftButton,
                 "pick tool");
}

// A move to a canvas point, or to a point of the bare background if one is found.
std::string Monkey::MoveOver(bool background) {
  const std::optional<QPoint> bare = background ? BareBackgroundPoint() : std::nullopt;
  return Gesture(QTest::MouseMove, bare ? *bare : AnyPointOn(probe_.canvas), Qt::NoButton,
                 bare ? "move over background" : "move over canvas");
}

std::string Monkey::PressCanvas() {
  const QPoint at = AnyPointOn(probe_.canvas);
  const char* what = probe_.At(at) == probe_.canvas ? "press bare canvas" : "press canvas element";
  return Gesture(QTest::MouseClick, at, AnyButton(), what);
}

// A press (any button) or a left double-click on a gate image or node marker; on a
// gate image when no node is shown, on the canvas when no gate is.
std::string Monkey::PressElement(bool marker, bool twice) {
  const std::optional<Aim> aim = AimAt(marker);
  if (!aim) return marker ? PressElement(false, twice) : PressCanvas();
  return Gesture(twice ? QTest::MouseDClick : QTest::MouseClick, aim->at,
                 twice ? Qt::LeftButton : AnyButton(),
                 std::string(twice ? "double-click " : "press ") + (aim->hit ? "" : "covered ") +
                     (marker ? "node marker" : "gate image"));
}

// A press on the trash can, a heading or a shown value label.
std::string Monkey::PressElsewhere() {
  const QWidget* label = probe_.Value(std::uniform_int_distribution<int>(0, kSlotCount - 1)(rng_));
  const QWidget* targets[] = {probe_.trashCan, probe_.headings[0], probe_.headings[1],
                              label->isVisible() ? label : probe_.trashCan};
  const QPoint at = AnyPointOn(Any(targets, rng_));
  return Gesture(QTest::MouseClick, at, AnyButton(), "press elsewhere");
}

// From a gate image or node marker to a canvas point, the trash can, or astray: a
// palette button, a heading, a value label or button, the bare background.
std::string Monkey::Drag(Action where) {
  const bool fromMarker = std::uniform_int_distribution<int>(0, 3)(rng_) == 0;
  std::optional<Aim> aim = AimAt(fromMarker);
  if (!aim && fromMarker) aim = AimAt(false);
  if (!aim) return PressCanvas();
  QPoint to;
  if (where != kDragAstray) {
    to = AnyPointOn(where == kDragToCanvas ? probe_.canvas : probe_.trashCan);
  } else {
    const QWidget* label =
        probe_.Value(std::uniform_int_distribution<int>(0, kSlotCount - 1)(rng_));
    const QWidget* astray[] = {
        probe_.PaletteButton(std::uniform_int_distribution<int>(0, kPaletteButtonCount - 1)(rng_)),
        probe_.headings[std::uniform_int_distribution<std::size_t>(0, 1)(rng_)],
        label->isVisible() ? label : probe_.power, probe_.prop};
    to = AnyPointOn(Any(astray, rng_));
    if (auto bare = BareBackgroundPoint();
        bare && std::uniform_int_distribution<int>(0, 3)(rng_) == 0) {
      to = *bare;
    }
  }
  const QWidget* target = probe_.At(to);
  const Qt::MouseButton button = std::discrete_distribution<int>({85, 10, 5})(rng_) == 0
                                     ? Qt::LeftButton : Qt::RightButton;
  std::ostringstream described;
  described << "drag " << probe_.Name(aim->at) << ' ' << aim->at << " to " << probe_.Name(to)
            << ' ' << to << (button == Qt::LeftButton ? " left" : " right");
  Mouse(QTest::MousePress, aim->at, button);
  const bool dragging = probe_.dragOutline->isVisible();
  Mouse(QTest::MouseMove, (aim->at + to) / 2, Qt::NoButton);
  Mouse(QTest::MouseMove, to, Qt::NoButton);
  Mouse(QTest::MouseRelease, to, button);
  return Count(std::string(dragging ? "drag " : "stray press, release ") +
                   (target == probe_.canvas ? "to canvas"
                    : target == probe_.trashCan ? "to trash can" : "astray"),
               described.str());
}

std::string Monkey::NewCommand() {
  if (!laggingPalette) laggingPalette = Borders(probe_.window);
  probe_.newAction->trigger();
  return Count("new", "File > New");
}

std::string Monkey::FileCommand(bool save, bool byShortcut) {
  const FileCorpus::Choice choice = save ? files_.PickToSave(rng_) : files_.PickToOpen(rng_);
  QAction* action = save ? probe_.saveAction : probe_.openAction;
  answer_ = choice.path;
  const long asked = asked_;
  // Not every platform gives every standard command a key.
  if (byShortcut && !action->shortcut().isEmpty()) {
    // A closed message box leaves no window active, and keys go to the active one.
    probe_.window.activateWindow();
    faults_.Expect(QTest::qWaitForWindowActive(&probe_.window), "the window is not active");
    const QKeyCombination keys = action->shortcut()[0];
    QTest::keyClick(&probe_.window, keys.key(), keys.keyboardModifiers());
  } else {
    action->trigger();
  }
  faults_.Expect(asked_ != asked, action->objectName().toStdString(), " asked for no file");
  const std::string what = (save ? "save " : "open ") + choice.kind;
  return Count(what, "File > " + what + " " + choice.path);
}

// A press on a gate image, then halfway to a canvas point a second button comes and
// goes, or a file is opened or saved by its shortcut; then the release. A modal box
// takes the mouse and an opened circuit hides every element: either ends the drag,
// and the release must drop nothing.
std::string Monkey::InterruptedDrag() {
  const std::optional<Aim> aim = AimAt(false);
  if (!aim) return PressCanvas();
  const QPoint to = AnyPointOn(probe_.canvas), halfway = (aim->at + to) / 2;
  std::ostringstream described;
  described << "drag " << probe_.Name(aim->at) << ' ' << aim->at << " to " << probe_.Name(to)
            << ' ' << to << " interrupted by ";
  Mouse(QTest::MousePress, aim->at);
  Mouse(QTest::MouseMove, halfway, Qt::NoButton);
  const bool dragging = probe_.dragOutline->isVisible();
  const long boxes = answered_;
  bool opened = false;
  switch (std::uniform_int_distribution<int>(0, 2)(rng_)) {
    case 0: Mouse(QTest::MouseClick, halfway, Qt::RightButton); described << "a right click"; break;
    case 1: described << FileCommand(false, true); opened = !answer_.empty(); break;
    default: described << FileCommand(true, true); break;
  }
  const bool boxed = answered_ != boxes;
  const std::string before = WriteCircuit(form().doc);
  Mouse(QTest::MouseMove, to, Qt::NoButton);
  Mouse(QTest::MouseRelease, to);
  faults_.Expect(!dragging || !(boxed || opened) || WriteCircuit(form().doc) == before,
                 "the release dropped a gate though its drag had ended");
  return Count(!dragging ? "stray press interrupted"
               : boxed   ? "drag ended by a box"
               : opened  ? "drag ended by Open"
                         : "drag interrupted, then dropped",
               described.str());
}

}  // namespace tessara::app
