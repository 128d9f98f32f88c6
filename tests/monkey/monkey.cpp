// The monkey's choices, its gestures and its step.
#include "monkey.h"

#include <QApplication>
#include <QMessageBox>

#include "window_probe.h"

namespace tessara::app {
namespace {

// How likely each action is in each mood, in the order of Monkey::Action. Growing
// fills the slots, wiring draws links, churning moves, deletes and swaps files,
// simulating powers, steps and toggles.
constexpr double kWeights[4][18] = {
    // tool move press image turn mark riddle toCanvas toTrash astray power prop new open
    // save bg else interrupted
    {12, 4, 40, 8, 4, 1, 0.5, 6, 1, 2, 0, 3, 0, 1, 1, 1, 1, 0.5},    // Grow
    {8, 3, 15, 35, 3, 1, 0.5, 5, 1, 1, 0, 2, 0, 0.3, 1, 1, 1, 0.5},  // Wire
    {8, 4, 15, 10, 5, 2, 1, 15, 15, 4, 3, 3, 1, 3, 3, 1, 2, 2},      // Churn
    {3, 3, 5, 30, 4, 1, 1, 4, 1, 1, 0, 25, 0, 1, 1, 1, 1, 0.5},      // Simulate
};

// Power, by mood, off and on: worth pressing while it is in the way of the mood.
constexpr double kPowerWeights[4][2] = {{0.5, 6}, {0.5, 6}, {3, 3}, {10, 2}};

}  // namespace

Monkey::Monkey(WindowProbe& probe, FileCorpus& files, std::uint32_t seed)
    : probe_(probe), files_(files), rng_(seed) {
  probe_.window.SetFileChooser([this](FileDialogMode, std::string_view, const std::string&) {
    ++asked_;
    return answer_;
  });
  probe_.window.SetAnswerer([](std::string_view) { return Answer::No; });
  // Looks for a modal window every millisecond the event loop runs, a box's own too.
  modalTimer_.setInterval(1);
  QObject::connect(&modalTimer_, &QTimer::timeout, [this] { AnswerModal(); });
  modalTimer_.start();
}

void Monkey::AnswerModal() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || !modal->isVisible()) return;
  const auto* box = qobject_cast<QMessageBox*>(modal);
  const std::string title = modal->windowTitle().toStdString();
  faults_.Expect(box && (title == "Error" || title == "Riddle" || title == "Joke"), "a ",
                 modal->metaObject()->className(), " titled \"", title, "\": ",
                 box ? box->text().toStdString() : "");
  ++answered_;
  ++tally_.actions["box " + title];
  modal->close();
}

Form& Monkey::form() { return probe_.window.form(); }

Monkey::Action Monkey::Choose() {
  if (--moodLeft_ <= 0) {
    mood_ = static_cast<Mood>(std::discrete_distribution<int>({35, 30, 20, 15})(rng_));
    moodLeft_ = std::uniform_int_distribution<int>(30, 250)(rng_);
  }
  const int mood = static_cast<int>(mood_);
  static_assert(std::size(kWeights[0]) == kActionCount);
  std::array<double, kActionCount> weights;
  std::copy(std::begin(kWeights[mood]), std::end(kWeights[mood]), weights.begin());
  weights[kPower] = kPowerWeights[mood][form().doc.PowerOn ? 1 : 0];
  return static_cast<Action>(std::discrete_distribution<int>(weights.begin(), weights.end())(rng_));
}

Qt::MouseButton Monkey::AnyButton() {
  constexpr Qt::MouseButton kButtons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
  return kButtons[std::discrete_distribution<int>({80, 15, 5})(rng_)];
}

QPoint Monkey::AnyPointOn(const QWidget* w) {
  return probe_.InWindow(w, WindowProbe::PointOn(w, rng_));
}

std::optional<QPoint> Monkey::BareBackgroundPoint() {
  for (int tries = 0; tries < 20; ++tries) {
    const QPoint at = AnyPointOn(probe_.background);
    if (probe_.At(at) == probe_.background) return at;
  }
  return std::nullopt;
}

// A random shown gate image (or node marker) and a random point of it inside the
// canvas; the point may be covered by another element.
std::optional<Monkey::Aim> Monkey::AimAt(bool markers) {
  const Document& doc = form().doc;
  std::vector<Integer> shown;
  for (Integer i = 0; i < kSlotCount; ++i) {
    const gate& g = doc.Gates(i);
    if (g.GetUsed() && (g.GetType() == kBufferGate) == markers) shown.push_back(i);
  }
  if (shown.empty()) return std::nullopt;
  for (int tries = 0; tries < 6; ++tries) {
    const Integer slot =
        shown[std::uniform_int_distribution<std::size_t>(0, shown.size() - 1)(rng_)];
    const QWidget* element = markers ? probe_.Marker(slot) : probe_.Image(slot);
    const QPoint at = AnyPointOn(element);
    // Elements show only inside the canvas; beyond it lie the menu bar and the palette.
    if (probe_.canvas->rect().contains(probe_.canvas->mapFrom(&probe_.window, at))) {
      return Aim{at, probe_.At(at) == element};
    }
  }
  return std::nullopt;
}

std::string Monkey::Count(std::string tallied, std::string described) {
  ++tally_.actions[std::move(tallied)];
  return described;
}

void Monkey::Mouse(QTest::MouseAction action, QPoint at, Qt::MouseButton button) {
  QTest::mouseEvent(action, &probe_.window, button, {}, at);
}

Monkey::Outcome Monkey::Step() {
  faults_ = {};
  // File commands come by their keyboard shortcuts now and then.
  const auto byShortcut = [this] { return std::uniform_int_distribution<int>(0, 99)(rng_) < 30; };
  const auto click = [this](QWidget* button, const char* what) {
    return Gesture(QTest::MouseClick, AnyPointOn(button), Qt::LeftButton, what);
  };
  std::string action;
  switch (const Action chosen = Choose()) {
    case kPickTool: action = PickTool(); break;
    case kMoveOverCanvas: action = MoveOver(false); break;
    case kPressCanvas: action = PressCanvas(); break;
    case kPressImage: action = PressElement(false, false); break;
    case kTurnImage: action = PressElement(false, true); break;
    case kPressMarker: action = PressElement(true, false); break;
    case kTellRiddle: action = PressElement(true, true); break;
    case kDragToCanvas: case kDragToTrash: case kDragAstray: action = Drag(chosen); break;
    case kPower: action = click(probe_.power, "Power"); break;
    case kProp: action = click(probe_.prop, "prop"); break;
    case kNew: action = NewCommand(); break;
    case kOpen: action = FileCommand(false, byShortcut()); break;
    case kSave: action = FileCommand(true, byShortcut()); break;
    case kMoveOverBackground: action = MoveOver(true); break;
    case kPressElsewhere: action = PressElsewhere(); break;
    case kInterruptedDrag: action = InterruptedDrag(); break;
    case kActionCount: break;
  }
  int gates = 0;
  for (Integer i = 0; i < kSlotCount; ++i) gates += form().doc.Gates(i).GetUsed() ? 1 : 0;
  tally_.mostGates = std::max(tally_.mostGates, gates);
  return {action, std::move(faults_.list)};
}

}  // namespace tessara::app
