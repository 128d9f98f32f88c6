// The monkey's actions: real mouse events on the window's widgets, its buttons and
// its menu commands, each with what it alone must have done.
#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <sstream>

#include "app/canvas.h"
#include "app/elements.h"
#include "app/tessara_form.h"
#include "app/twips.h"
#include "io/circuit_file.h"
#include "modal_answerer.h"
#include "monkey.h"
#include "screen_check.h"
#include "window_probe.h"

namespace tessara::app {
namespace {

constexpr Single kHalfCell = kCellSize / 2;
constexpr std::array<const char*, 4> kRiddleTitles = {"Riddle", "Joke", "Joke", "Riddle"};

bool IsGateTool(Long tool) { return tool >= kAndGate && tool <= kXorGate && tool != kBufferGate; }

// The halves of a gate's cell a press chooses, by the gate's orientation.
bool OnOutputHalf(Long o, Single x, Single y) {
  switch (o) {
    case 0: return x >= kHalfCell;
    case 1: return y <= kHalfCell;
    case 2: return x <= kHalfCell;
    case 3: return y >= kHalfCell;
    default: return false;
  }
}

Integer ChosenInput(Long o, Single x, Single y) {
  if (o == 0 || o == 2) return y >= kHalfCell ? 1 : 0;
  if (o == 1 || o == 3) return x >= kHalfCell ? 1 : 0;
  return 0;
}

const char* ButtonName(Qt::MouseButton button) {
  return button == Qt::LeftButton ? "left" : button == Qt::RightButton ? "right" : "middle";
}

std::string Describe(const char* what, QPoint at, Qt::MouseButton button, const std::string& on) {
  std::ostringstream text;
  text << what << " at " << at << ' ' << ButtonName(button) << " on " << on;
  return text.str();
}

}  // namespace

std::string Monkey::PickTool(Faults& f) {
  int button = std::uniform_int_distribution<int>(0, kPaletteButtonCount - 1)(rng_);
  const int roll = std::uniform_int_distribution<int>(0, 99)(rng_);
  if (mood_ == Mood::Grow && roll < 85) button = std::uniform_int_distribution<int>(2, 9)(rng_);
  if (mood_ == Mood::Wire && roll < 70) button = 1;
  if (mood_ == Mood::Churn && roll < 40) button = 0;
  QWidget* element = probe_.palette[static_cast<std::size_t>(button)];
  const QPoint at = probe_.InWindow(element, WindowProbe::PointOn(element, rng_));
  const Before b = Snap();
  Click(at, Qt::LeftButton);
  const Long tool = kButtonTools[static_cast<std::size_t>(button)];
  f.Expect(form().doc.CurrentTool == tool, "the tool is ", form().doc.CurrentTool, ", not ", tool);
  f.Expect(form().doc.PowerOn == b.power, "choosing a tool switched the power");
  ExpectNoBox(f);
  Count("pick tool");
  return Describe("pick tool", at, Qt::LeftButton, Name(at));
}

std::string Monkey::MoveOverCanvas(Faults& f) {
  QPoint local;
  const QPoint at = AnyCanvasPoint(&local);
  const bool bare = probe_.At(at) == probe_.canvas;
  // A move to where the pointer already is brings no event.
  const bool moves = pointer_ != at;
  MoveTo(at);
  if (bare && moves) {
    f.Expect(form().MouseX == ToTwips(local.x()) && form().MouseY == ToTwips(local.y()),
             "the move did not record the pointer");
    f.Expect(form().doc.PowerOn || QGuiApplication::overrideCursor() != nullptr,
             "no tool pointer over the canvas");
  }
  ExpectNoBox(f);
  Count("move over canvas");
  return Describe("move", at, Qt::NoButton, Name(at));
}

std::string Monkey::PressCanvas(Faults& f) {
  QPoint local;
  const QPoint at = AnyCanvasPoint(&local);
  const std::string on = Name(at);
  const bool bare = probe_.At(at) == probe_.canvas;
  const Qt::MouseButton button = AnyButton();
  const Before b = Snap();
  Click(at, button);
  Count(bare ? "press bare canvas" : "press canvas element");
  const std::string described = Describe("press canvas", at, button, on);
  if (!bare) return described;

  const Document& doc = form().doc;
  const Single x = ToTwips(local.x()), y = ToTwips(local.y());
  f.Expect(form().MouseX == x && form().MouseY == y, "the press did not record the pointer");
  if (b.power || (!IsGateTool(b.tool) && b.tool != kLinkTool)) {
    ExpectUnchanged(f, b);
    ExpectNoBox(f);
  } else if (IsGateTool(b.tool) && !b.freeGate) {
    ExpectBox(f, "Error", "Error: The circuit has no room for another gate");
    ExpectUnchanged(f, b);
  } else if (IsGateTool(b.tool)) {
    const gate& g = doc.Gates(*b.freeGate);
    const Single wantX = b.tool == kInputGate ? 0
                         : b.tool == kOutputGate ? 8200
                                                 : std::clamp<Single>(x - kHalfCell, 800, 7400);
    f.Expect(g.GetUsed() && g.GetType() == b.tool, "slot ", *b.freeGate, " holds kind ",
             g.GetType(), g.GetUsed() ? "" : " unused", ", not a new ", b.tool);
    f.Expect(g.GetX() == wantX && g.GetY() == y - kHalfCell, "the new gate stands at (",
             g.GetX(), ", ", g.GetY(), "), should at (", wantX, ", ", y - kHalfCell, ")");
    ExpectNoBox(f);
  } else if (b.linkStarted == 0) {
    ExpectBox(f, "Error", "Error: Click on the gates");
    ExpectUnchanged(f, b);
  } else if (!b.freeGate || !b.freeLinkBesidesDrawn) {
    ExpectBox(f, "Error", b.freeGate ? "no room for another link" : "no room for another gate");
    ExpectUnchanged(f, b);
  } else {
    const gate& node = doc.Gates(*b.freeGate);
    const linkgates& closed = doc.Links(b.currentLink);
    f.Expect(node.GetUsed() && node.GetType() == kBufferGate, "no node in slot ", *b.freeGate);
    f.Expect(node.GetX() == std::clamp<Single>(x, 800, 7400) && node.GetY() == y,
             "the node stands at (", node.GetX(), ", ", node.GetY(), ")");
    f.Expect(closed.GetUsed() && closed.StopIsNode && closed.StopIndex == *b.freeGate &&
                 closed.LinkTo == form().CurrentLink,
             "segment ", b.currentLink, " is not closed at the node");
    f.Expect(form().LinkStarted == 1 && form().CurrentLink == *b.freeLinkBesidesDrawn,
             "the next segment is not ", *b.freeLinkBesidesDrawn);
    ExpectNoBox(f);
  }
  return described;
}

std::string Monkey::PressImage(Faults& f) {
  const std::optional<Aim> aim = AimAt(false);
  if (!aim) return PressCanvas(f);
  const Integer i = aim->slot;
  const std::string on = Name(aim->at);
  const Qt::MouseButton button = AnyButton();
  const bool automatic = probe_.window.ObjImage(i).GetDragMode() == DragMode::Automatic;
  const Long o = form().doc.Gates(i).GetOrientation();
  const Before b = Snap();
  Click(aim->at, button);
  Count(aim->hit ? "press gate image" : "press covered gate image");
  const std::string described = Describe("press ObjImage", aim->at, button, on);
  if (!aim->hit) return described;

  const Single x = ToTwips(aim->local.x()), y = ToTwips(aim->local.y());
  const Document& doc = form().doc;
  if (automatic) {
    f.Expect(form().GrabX == b.grabX && form().GrabY == b.grabY, "an automatic image ran its press");
    ExpectUnchanged(f, b);
    ExpectNoBox(f);
    return described;
  }
  f.Expect(form().GrabX == x && form().GrabY == y, "the grab offset is (", form().GrabX, ", ",
           form().GrabY, "), not (", x, ", ", y, ")");
  if (b.power) {
    for (Integer j = 0; j < kSlotCount; ++j) {
      const bool flips = j == i && doc.Gates(i).GetType() == kInputGate;
      f.Expect(doc.Gates(j).GetCurrOutput() == (b.outputs[static_cast<std::size_t>(j)] != flips),
               "slot ", j, (flips ? " did not toggle" : " changed its value"));
    }
    ExpectUnchanged(f, b);
    ExpectNoBox(f);
  } else if (b.tool != kLinkTool) {
    ExpectUnchanged(f, b);
    ExpectNoBox(f);
  } else if (b.linkStarted == 0 && !OnOutputHalf(o, x, y)) {
    ExpectBox(f, "Error", "Error: You must start with an output\r\n");
    f.Expect(form().LinkStarted == 0, "a link started from an input half");
  } else if (b.linkStarted == 0 && !b.freeLink) {
    ExpectBox(f, "Error", "Error: The circuit has no room for another link");
    f.Expect(form().LinkStarted == 0, "a link started with no room");
  } else if (b.linkStarted == 0) {
    const linkgates& opened = doc.Links(*b.freeLink);
    f.Expect(form().LinkStarted == 1 && form().CurrentLink == *b.freeLink && !opened.GetUsed() &&
                 opened.StartIndex == i && !opened.StartIsNode,
             "no segment opened from slot ", i, " in link slot ", *b.freeLink);
    ExpectNoBox(f);
  } else if (OnOutputHalf(o, x, y)) {
    ExpectBox(f, "Error", "Error: You must finish with an input\r\n");
    f.Expect(form().LinkStarted == 1 && form().CurrentLink == b.currentLink,
             "the link being drawn was dropped");
  } else {
    const linkgates& closed = doc.Links(b.currentLink);
    const Integer input = ChosenInput(o, x, y);
    f.Expect(form().LinkStarted == 0 && closed.GetUsed() && !closed.StopIsNode &&
                 closed.StopIndex == i && closed.Stop_Num == input,
             "segment ", b.currentLink, " is not closed at input ", input, " of slot ", i);
    ExpectNoBox(f);
  }
  return described;
}

std::string Monkey::TurnImage(Faults& f) {
  const std::optional<Aim> aim = AimAt(false);
  if (!aim) return PressCanvas(f);
  const Integer i = aim->slot;
  const std::string on = Name(aim->at);
  const bool automatic = probe_.window.ObjImage(i).GetDragMode() == DragMode::Automatic;
  const Long o = form().doc.Gates(i).GetOrientation();
  DoubleClick(aim->at);
  Count(aim->hit ? "double-click gate image" : "double-click covered gate image");
  if (aim->hit) {
    const Long want = automatic || o < 0 || o > 3 ? o : (o + 1) % 4;
    f.Expect(form().doc.Gates(i).GetOrientation() == want, "slot ", i, " turned from ", o, " to ",
             form().doc.Gates(i).GetOrientation(), ", not ", want);
  }
  return Describe("double-click ObjImage", aim->at, Qt::LeftButton, on);
}

std::string Monkey::PressMarker(Faults& f) {
  const std::optional<Aim> aim = AimAt(true);
  if (!aim) return PressImage(f);
  const std::string on = Name(aim->at);
  const Qt::MouseButton button = AnyButton();
  const Before b = Snap();
  Click(aim->at, button);
  Count(aim->hit ? "press node marker" : "press covered node marker");
  if (aim->hit) {
    ExpectUnchanged(f, b);
    ExpectNoBox(f);
  }
  return Describe("press buffer", aim->at, button, on);
}

std::string Monkey::TellRiddle(Faults& f) {
  const std::optional<Aim> aim = AimAt(true);
  if (!aim) return TurnImage(f);
  const std::string on = Name(aim->at);
  const Before b = Snap();
  DoubleClick(aim->at);
  Count(aim->hit ? "double-click node marker" : "double-click covered node marker");
  if (aim->hit) {
    ExpectBox(f, kRiddleTitles[static_cast<std::size_t>(b.egg)], "");
    f.Expect(form().EggCounter == (b.egg + 1) % 4, "the riddles did not move on");
    ExpectUnchanged(f, b);
  }
  return Describe("double-click buffer", aim->at, Qt::LeftButton, on);
}

std::string Monkey::Drag(Faults& f, Action where) {
  const bool fromMarker = std::uniform_int_distribution<int>(0, 3)(rng_) == 0;
  std::optional<Aim> aim = AimAt(fromMarker);
  if (!aim && fromMarker) aim = AimAt(false);
  if (!aim) return PressCanvas(f);
  QPoint to;
  if (where == kDragToCanvas) {
    to = AnyCanvasPoint();
  } else if (where == kDragToTrash) {
    to = probe_.InWindow(probe_.trashCan, WindowProbe::PointOn(probe_.trashCan, rng_));
  } else {
    const QWidget* label = probe_.values[std::uniform_int_distribution<std::size_t>(0, kSlotCount - 1)(rng_)];
    const QWidget* astray[] = {
        probe_.palette[std::uniform_int_distribution<std::size_t>(0, kPaletteButtonCount - 1)(rng_)],
        probe_.headings[std::uniform_int_distribution<std::size_t>(0, 1)(rng_)],
        label->isVisible() ? label : probe_.power,
        probe_.prop,
    };
    const QWidget* target = astray[std::uniform_int_distribution<std::size_t>(0, 3)(rng_)];
    to = probe_.InWindow(target, WindowProbe::PointOn(target, rng_));
    if (auto bare = BareBackgroundPoint(); bare && std::uniform_int_distribution<int>(0, 3)(rng_) == 0) {
      to = *bare;
    }
  }
  QWidget* const target = probe_.At(to);
  const std::string from = Name(aim->at), onto = Name(to);
  const Qt::MouseButton button = std::discrete_distribution<int>({85, 10, 5})(rng_) == 0
                                     ? Qt::LeftButton : Qt::RightButton;
  // The element the press reaches, whichever was aimed at, decides whether it drags.
  const std::optional<DragSource> pressed = probe_.ElementAt(aim->at);
  const Before b = Snap();
  const bool dragging =
      pressed && (pressed->pool == DragPool::buffer ||
                  probe_.window.ObjImage(pressed->index).GetDragMode() == DragMode::Automatic ||
                  (b.tool == kSelectTool && !b.power));

  Press(aim->at, button);
  f.Expect(probe_.dragOutline->isVisible() == dragging, "the press ",
           dragging ? "began no drag" : "began a drag");
  MoveTo((aim->at + to) / 2);
  MoveTo(to);
  Release(to, button);

  std::ostringstream described;
  described << "drag " << from << ' ' << aim->at << " to " << onto << ' ' << to << ' '
            << ButtonName(button);
  Count(std::string(dragging ? "drag " : "stray press, release ") +
        (target == probe_.canvas ? "to canvas" : target == probe_.trashCan ? "to trash can" : "astray"));
  if (!dragging) return described.str();
  ExpectNoBox(f);
  if (target == probe_.canvas) {
    const QPoint local = probe_.canvas->mapFrom(&probe_.window, to);
    ExpectDrop(f, pressed->index, ToTwips(local.x()), ToTwips(local.y()));
  } else if (target == probe_.trashCan) {
    ExpectDeleted(f, b, pressed->index);
  } else {
    ExpectUnchanged(f, b);
  }
  return described.str();
}

std::string Monkey::PowerButton(Faults& f) {
  const Before b = Snap();
  const QPoint at = probe_.InWindow(probe_.power, WindowProbe::PointOn(probe_.power, rng_));
  Click(at, Qt::LeftButton);
  f.Expect(form().doc.PowerOn != b.power, "the Power button did not switch");
  f.Expect(WriteCircuit(form().doc) == b.text, "switching power changed the circuit");
  if (form().doc.PowerOn) {
    for (Integer i = 0; i < kSlotCount; ++i) {
      f.Expect(probe_.window.ObjImage(i).GetDragMode() == DragMode::Manual, "ObjImage(", i,
               ") still drags at a press while powered");
    }
  }
  ExpectNoBox(f);
  Count("power");
  return Describe("Power", at, Qt::LeftButton, Name(at));
}

std::string Monkey::PropButton(Faults& f) {
  const Before b = Snap();
  const QPoint at = probe_.InWindow(probe_.prop, WindowProbe::PointOn(probe_.prop, rng_));
  Click(at, Qt::LeftButton);
  ExpectUnchanged(f, b);
  ExpectNoBox(f);
  if (!odd_) {
    for (const std::string& fault : CheckNodesFollowTheirFeeders(form())) f.Add(fault);
  }
  Count("prop");
  return Describe("prop", at, Qt::LeftButton, Name(at));
}

std::string Monkey::NewCommand(Faults& f) {
  const Before b = Snap();
  probe_.newAction->trigger();
  const Document& doc = form().doc;
  for (Integer i = 0; i < kSlotCount; ++i) {
    f.Expect(!doc.Gates(i).GetUsed() && !doc.Links(i).GetUsed(), "slot ", i, " survived New");
  }
  f.Expect(!doc.PowerOn && doc.CurrentTool == kSelectTool && form().LinkStarted == 0,
           "New left power, tool or a link being drawn");
  ExpectNoBox(f);
  if (laggingTool_ < 0) laggingTool_ = b.tool;
  odd_ = false;
  Count("new");
  return "File > New";
}

std::string Monkey::MoveOverBackground(Faults& f) {
  const std::optional<QPoint> at = BareBackgroundPoint();
  if (!at) return MoveOverCanvas(f);
  MoveTo(*at);
  f.Expect(QGuiApplication::overrideCursor() == nullptr, "the tool pointer stays over the background");
  ExpectNoBox(f);
  Count("move over background");
  return Describe("move", *at, Qt::NoButton, "background");
}

std::string Monkey::PressElsewhere(Faults& f) {
  const QWidget* label = probe_.values[std::uniform_int_distribution<std::size_t>(0, kSlotCount - 1)(rng_)];
  const QWidget* targets[] = {probe_.trashCan, probe_.headings[0], probe_.headings[1],
                              label->isVisible() ? label : probe_.trashCan};
  const QWidget* target = targets[std::uniform_int_distribution<std::size_t>(0, 3)(rng_)];
  const QPoint at = probe_.InWindow(target, WindowProbe::PointOn(target, rng_));
  const Qt::MouseButton button = AnyButton();
  const std::string on = Name(at);
  const bool reached = probe_.At(at) == target;
  const Before b = Snap();
  Click(at, button);
  if (reached) {
    ExpectUnchanged(f, b);
    ExpectNoBox(f);
  }
  Count("press elsewhere");
  return Describe("press", at, button, on);
}

}  // namespace tessara::app
