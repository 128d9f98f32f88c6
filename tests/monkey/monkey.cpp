// The monkey's choices and the expectations its actions share.
#include "monkey.h"

#include <QTest>

#include "app/canvas.h"
#include "app/tessara_form.h"
#include "io/circuit_file.h"
#include "modal_answerer.h"
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

// Power is worth pressing while it is in the way of the mood.
double PowerWeight(int mood, bool powered) {
  switch (mood) {
    case 0: case 1: return powered ? 6 : 0.5;
    case 3: return powered ? 2 : 10;
    default: return 3;
  }
}

std::optional<Integer> FreeLinkBesides(const Document& doc, Integer drawn) {
  for (Integer j = 0; j < kSlotCount; ++j) {
    if (j != drawn && !doc.Links(j).GetUsed()) return j;
  }
  return std::nullopt;
}

}  // namespace

Monkey::Monkey(WindowProbe& probe, ModalAnswerer& answerer, FileCorpus& files,
               std::uint32_t seed)
    : probe_(probe), answerer_(answerer), files_(files), rng_(seed) {
  probe_.window.SetFileChooser(
      [this](FileDialogMode, std::string_view, const std::string&) {
        ++asked_;
        return answer_;
      });
}

Form& Monkey::form() { return probe_.window.form(); }

Monkey::Before Monkey::Snap() {
  const Document& doc = form().doc;
  Before b{WriteCircuit(doc), doc.CurrentTool, doc.PowerOn, form().LinkStarted,
           form().CurrentLink, doc.GetFreeGate(), doc.GetFreeLink(),
           FreeLinkBesides(doc, form().CurrentLink), form().GrabX, form().GrabY,
           form().EggCounter, probe_.window.Caption(), {}};
  for (Integer i = 0; i < kSlotCount; ++i) {
    b.outputs[static_cast<std::size_t>(i)] = doc.Gates(i).GetCurrOutput();
  }
  return b;
}

void Monkey::NextMood() {
  mood_ = static_cast<Mood>(std::discrete_distribution<int>({35, 30, 20, 15})(rng_));
  moodLeft_ = std::uniform_int_distribution<int>(30, 250)(rng_);
}

Monkey::Action Monkey::Choose() {
  if (--moodLeft_ <= 0) NextMood();
  const int mood = static_cast<int>(mood_);
  std::array<double, kActionCount> weights;
  std::copy(std::begin(kWeights[mood]), std::end(kWeights[mood]), weights.begin());
  weights[kPower] = PowerWeight(mood, form().doc.PowerOn);
  return static_cast<Action>(std::discrete_distribution<int>(weights.begin(), weights.end())(rng_));
}

Qt::MouseButton Monkey::AnyButton() {
  switch (std::discrete_distribution<int>({80, 15, 5})(rng_)) {
    case 0: return Qt::LeftButton;
    case 1: return Qt::RightButton;
    default: return Qt::MiddleButton;
  }
}

QPoint Monkey::AnyCanvasPoint(QPoint* local) {
  const QPoint on = WindowProbe::PointOn(probe_.canvas, rng_);
  if (local) *local = on;
  return probe_.InWindow(probe_.canvas, on);
}

std::optional<QPoint> Monkey::BareBackgroundPoint() {
  for (int tries = 0; tries < 20; ++tries) {
    const QPoint at = probe_.InWindow(probe_.background, WindowProbe::PointOn(probe_.background, rng_));
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
    const Integer slot = shown[std::uniform_int_distribution<std::size_t>(0, shown.size() - 1)(rng_)];
    const QWidget* element = (markers ? probe_.markers : probe_.images)[static_cast<std::size_t>(slot)];
    const QPoint local = WindowProbe::PointOn(element, rng_);
    const QPoint at = probe_.InWindow(element, local);
    // Elements show only inside the canvas; beyond it lie the menu bar and the palette.
    if (probe_.canvas->rect().contains(probe_.canvas->mapFrom(&probe_.window, at))) {
      return Aim{slot, local, at, probe_.At(at) == element};
    }
  }
  return std::nullopt;
}

std::string Monkey::Name(QPoint at) const {
  const QWidget* under = probe_.At(at);
  if (!under) return "nothing";
  return under->objectName().isEmpty() ? under->metaObject()->className()
                                       : under->objectName().toStdString();
}

void Monkey::Click(QPoint at, Qt::MouseButton button) {
  QTest::mouseClick(&probe_.window, button, {}, at);
  pointer_ = at;
}

void Monkey::DoubleClick(QPoint at) {
  QTest::mouseDClick(&probe_.window, Qt::LeftButton, {}, at);
  pointer_ = at;
}

void Monkey::Press(QPoint at, Qt::MouseButton button) {
  QTest::mousePress(&probe_.window, button, {}, at);
  pointer_ = at;
}

void Monkey::MoveTo(QPoint at) {
  QTest::mouseMove(&probe_.window, at);
  pointer_ = at;
}

void Monkey::Release(QPoint at, Qt::MouseButton button) {
  QTest::mouseRelease(&probe_.window, button, {}, at);
  pointer_ = at;
}

bool Monkey::Chance(int percent) {
  return std::uniform_int_distribution<int>(0, 99)(rng_) < percent;
}

void Monkey::Count(const std::string& action) { ++tally_.actions[action]; }

void Monkey::ExpectUnchanged(Faults& f, const Before& b) {
  f.Expect(WriteCircuit(form().doc) == b.text, "the circuit changed");
  f.Expect(form().doc.CurrentTool == b.tool, "the tool changed from ", b.tool, " to ",
           form().doc.CurrentTool);
  f.Expect(form().doc.PowerOn == b.power, "the power switched");
}

void Monkey::ExpectNoBox(Faults& f) {
  for (const ModalAnswerer::Box& box : answerer_.TakeNew()) {
    f.Add("an unexpected box \"", box.title, "\": ", box.text);
  }
}

// Boxes no expectation claimed must at least be the window's own.
void Monkey::ExpectOnlyWindowBoxes(Faults& f) {
  for (const ModalAnswerer::Box& box : answerer_.TakeNew()) {
    f.Expect(box.kind == "QMessageBox" && (box.title == "Error" || box.title == "Riddle" ||
                                           box.title == "Joke"),
             "a ", box.kind, " titled \"", box.title, "\": ", box.text);
  }
}

void Monkey::ExpectBox(Faults& f, std::string_view title, std::string_view text) {
  const std::vector<ModalAnswerer::Box> boxes = answerer_.TakeNew();
  if (boxes.size() != 1 || boxes[0].title != title || boxes[0].text.find(text) == std::string::npos) {
    f.Add("expected one box \"", title, "\" saying ", text, ", got ", boxes.size(),
          boxes.empty() ? "" : " starting \"" + boxes[0].title + "\": " + boxes[0].text);
  }
  if (text.find("no room for another gate") != std::string_view::npos) ++tally_.noRoomForGate;
  if (text.find("no room for another link") != std::string_view::npos) ++tally_.noRoomForLink;
}

// A drop on the canvas at (x, y) twips moves the slot's gate so the grabbed point
// lies under the pointer: inputs and outputs keep their columns, other kinds keep x
// within 800..7400.
void Monkey::ExpectDrop(Faults& f, Integer slot, Single x, Single y) {
  const gate& g = form().doc.Gates(slot);
  Single wantX = x - form().GrabX;
  const Single wantY = y - form().GrabY;
  if (g.GetType() == kInputGate) {
    wantX = 0;
  } else if (g.GetType() == kOutputGate) {
    wantX = 8200;
  } else {
    wantX = std::clamp<Single>(wantX, 800, 7400);
  }
  f.Expect(g.GetX() == wantX && g.GetY() == wantY, "slot ", slot, " dropped at (", x, ", ", y,
           ") grabbed at (", form().GrabX, ", ", form().GrabY, ") stands at (", g.GetX(), ", ",
           g.GetY(), "), should at (", wantX, ", ", wantY, ")");
  f.Expect(probe_.window.ObjImage(slot).GetDragMode() == DragMode::Manual, "ObjImage(", slot,
           ") is not manual after its drop");
}

void Monkey::ExpectDeleted(Faults& f, const Before& b, Integer slot) {
  const Document& doc = form().doc;
  f.Expect(!doc.Gates(slot).GetUsed(), "slot ", slot, " is still used after the trash can");
  for (Integer j = 0; j < kSlotCount; ++j) {
    const linkgates& link = doc.Links(j);
    f.Expect(!link.GetUsed() || (link.StartIndex != slot && link.StopIndex != slot), "link ", j,
             " still touches deleted slot ", slot);
  }
  if (b.linkStarted == 1 && doc.Links(b.currentLink).StartIndex == slot) {
    f.Expect(form().LinkStarted == 0, "the link drawn from deleted slot ", slot, " goes on");
  } else {
    f.Expect(form().LinkStarted == b.linkStarted, "deleting slot ", slot,
             " changed the link being drawn");
  }
}

Monkey::Outcome Monkey::Step() {
  Faults f;
  std::string action;
  switch (Choose()) {
    case kPickTool: action = PickTool(f); break;
    case kMoveOverCanvas: action = MoveOverCanvas(f); break;
    case kPressCanvas: action = PressCanvas(f); break;
    case kPressImage: action = PressImage(f); break;
    case kTurnImage: action = TurnImage(f); break;
    case kPressMarker: action = PressMarker(f); break;
    case kTellRiddle: action = TellRiddle(f); break;
    case kDragToCanvas: action = Drag(f, kDragToCanvas); break;
    case kDragToTrash: action = Drag(f, kDragToTrash); break;
    case kDragAstray: action = Drag(f, kDragAstray); break;
    case kPower: action = PowerButton(f); break;
    case kProp: action = PropButton(f); break;
    case kNew: action = NewCommand(f); break;
    case kOpen: action = OpenCommand(f); break;
    case kSave: action = SaveCommand(f); break;
    case kMoveOverBackground: action = MoveOverBackground(f); break;
    case kPressElsewhere: action = PressElsewhere(f); break;
    case kInterruptedDrag: action = InterruptedDrag(f); break;
    case kActionCount: break;
  }
  ExpectOnlyWindowBoxes(f);
  int gates = 0, links = 0;
  for (Integer i = 0; i < kSlotCount; ++i) {
    gates += form().doc.Gates(i).GetUsed() ? 1 : 0;
    links += form().doc.Links(i).GetUsed() ? 1 : 0;
  }
  tally_.mostGates = std::max(tally_.mostGates, gates);
  tally_.mostLinks = std::max(tally_.mostLinks, links);
  return {action, f.list};
}

}  // namespace tessara::app
