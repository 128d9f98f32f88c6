#include "screen_check.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <optional>

#include "app/elements.h"
#include "app/tessara_form.h"
#include "app/twips.h"
#include "faults.h"
#include "window_probe.h"

namespace tessara::app {
namespace {

struct Point {
  Single x, y;
  bool operator==(const Point&) const = default;
};

std::ostream& operator<<(std::ostream& out, Point p) {
  return out << '(' << p.x << ", " << p.y << ')';
}

bool IsGateKind(Long type) { return type == kNoGate || (type >= kAndGate && type <= kXorGate); }
bool IsOrientation(Long o) { return o >= 0 && o <= 3; }

// The picture a gate image must show; nothing when its picture is left as it was.
std::optional<Picture> ExpectedPicture(const gate& g) {
  const Long o = g.GetOrientation();
  const auto turned = [o](PictureStore store) -> std::optional<Picture> {
    if (!IsOrientation(o)) return std::nullopt;
    return Picture{store, static_cast<int>(o)};
  };
  switch (g.GetType()) {
    case kAndGate: return turned(PictureStore::andimage);
    case kOrGate: return turned(PictureStore::orimage);
    case kNotGate: return turned(PictureStore::notimage);
    case kNandGate: return turned(PictureStore::nandimage);
    case kNorGate: return turned(PictureStore::norimage);
    case kXorGate: return turned(PictureStore::xorimage);
    case kInputGate: return Picture{PictureStore::InputButton, 0};
    case kOutputGate: return Picture{PictureStore::OutputButton, 0};
    default: return std::nullopt;
  }
}

// Where a link line starts and ends: a node's corner, or a pin of the 800-twip cell.
std::optional<Point> LineStart(const gate& g, bool atNode) {
  const Single x = g.GetX(), y = g.GetY(), h = kCellSize / 2;
  if (atNode) return Point{x, y};
  switch (g.GetOrientation()) {
    case 0: return Point{x + kCellSize, y + h};
    case 1: return Point{x + h, y};
    case 2: return Point{x, y + h};
    case 3: return Point{x + h, y + kCellSize};
    default: return std::nullopt;
  }
}

std::optional<Point> LineStop(const gate& g, bool atNode, Integer input) {
  const Single x = g.GetX(), y = g.GetY();
  if (atNode) return Point{x, y};
  if (!IsOrientation(g.GetOrientation())) return std::nullopt;
  const Single d = g.GetInputOffset(input);
  switch (g.GetOrientation()) {
    case 0: return Point{x, y + d};
    case 1: return Point{x + d, y + kCellSize};
    case 2: return Point{x + kCellSize, y + d};
    default: return Point{x + d, y};
  }
}

// Where a value label stands (left, top) beside its gate.
std::optional<Point> LabelPlace(const gate& g) {
  const Single x = g.GetX(), y = g.GetY();
  if (g.GetType() == kOutputGate) return Point{x - 100, y + 225};
  if (g.GetType() == kBufferGate) return Point{x, y - 275};
  switch (g.GetOrientation()) {
    case 0: return Point{x + 875, y + 225};
    case 1: return Point{x + 400, y - 175};
    case 2: return Point{x - 175, y + 225};
    case 3: return Point{x + 475, y + 875};
    default: return std::nullopt;
  }
}

QPoint Pixels(Point p) { return TwipsPoint(p.x, p.y); }

// An image element shown or hidden alike through the widget and the Screen getter;
// when shown, standing at the gate's corner.
void CheckImage(Faults& faults, const char* pool, Integer i, const QWidget* widget,
                const ImageElement& element, bool shown, const gate& g) {
  if (widget->isVisible() != shown || element.Visible() != shown) {
    faults.Add(pool, '(', i, ") should be ", shown ? "shown" : "hidden", " but the widget is ",
               widget->isVisible() ? "shown" : "hidden", " and the element says ",
               element.Visible() ? "shown" : "hidden");
  }
  if (!shown) return;
  const Point corner{g.GetX(), g.GetY()};
  if ((Point{element.Left(), element.Top()}) != corner) {
    faults.Add(pool, '(', i, ") stands at ", Point{element.Left(), element.Top()},
               " twips, the gate at ", corner);
  }
  if (widget->pos() != Pixels(corner)) {
    faults.Add(pool, '(', i, ") widget at ", widget->pos(), " px, the gate's corner rounds to ",
               Pixels(corner));
  }
}

void CheckGateSlot(Faults& faults, const Form& form, const WindowProbe& probe, Integer i) {
  const auto slot = static_cast<std::size_t>(i);
  Screen& screen = probe.window;
  const gate& g = form.doc.Gates(i);
  const bool used = g.GetUsed();
  const bool node = g.GetType() == kBufferGate;
  CheckImage(faults, "ObjImage", i, probe.images[slot], screen.ObjImage(i), used && !node, g);
  CheckImage(faults, "buffer", i, probe.markers[slot], screen.buffer(i), used && node, g);
  if (used && !node) {
    if (auto picture = ExpectedPicture(g); picture && screen.ObjImage(i).GetPicture() != *picture) {
      faults.Add("ObjImage(", i, ") shows picture ", static_cast<int>(screen.ObjImage(i).GetPicture().store),
                 '/', screen.ObjImage(i).GetPicture().index, " for a gate of kind ", g.GetType(),
                 " turned ", g.GetOrientation());
    }
  }

  const QLabel* label = probe.values[slot];
  const LabelElement& value = screen.txtObjValue(i);
  const bool labelled = used && form.doc.PowerOn;
  if (label->isVisible() != labelled || value.Visible() != labelled) {
    faults.Add("txtObjValue(", i, ") should be ", labelled ? "shown" : "hidden",
               " but the label is ", label->isVisible() ? "shown" : "hidden");
  }
  if (label->pos() != Pixels({value.Left(), value.Top()})) {
    faults.Add("txtObjValue(", i, ") widget at ", label->pos(), " px, its twips round to ",
               Pixels({value.Left(), value.Top()}));
  }
  if (!labelled) return;
  const std::string text = g.GetCurrOutput() ? "1" : "0";
  if (label->text().toStdString() != text || value.Text() != text) {
    faults.Add("txtObjValue(", i, ") reads \"", label->text().toStdString(), "\" for output ", text);
  }
  if (auto place = LabelPlace(g); place && (Point{value.Left(), value.Top()}) != *place) {
    faults.Add("txtObjValue(", i, ") stands at ", Point{value.Left(), value.Top()}, ", should be ",
               *place, " for kind ", g.GetType(), " turned ", g.GetOrientation());
  }
}

void CheckLinkSlot(Faults& faults, const Form& form, Screen& screen, Integer j) {
  const linkgates& link = form.doc.Links(j);
  const LineElement& line = screen.LinkLine(j);
  if (line.Visible() != link.GetUsed()) {
    faults.Add("LinkLine(", j, ") is ", line.Visible() ? "shown" : "hidden", " for a link ",
               link.GetUsed() ? "in use" : "not in use");
  }
  if (!link.GetUsed() || !IsSlotIndex(link.StartIndex) || !IsSlotIndex(link.StopIndex)) return;
  const auto start = LineStart(form.doc.Gates(link.StartIndex), link.StartIsNode);
  if (start && (Point{line.X1(), line.Y1()}) != *start) {
    faults.Add("LinkLine(", j, ") starts at ", Point{line.X1(), line.Y1()}, ", should at ", *start);
  }
  const auto stop = LineStop(form.doc.Gates(link.StopIndex), link.StopIsNode, link.Stop_Num);
  if (stop && (Point{line.X2(), line.Y2()}) != *stop) {
    faults.Add("LinkLine(", j, ") ends at ", Point{line.X2(), line.Y2()}, ", should at ", *stop);
  }
}

std::vector<int> BorderedButtons(const WindowProbe& probe) {
  std::vector<int> bordered;
  for (int b = 0; b < kPaletteButtonCount; ++b) {
    const PictureElement* button = probe.palette[static_cast<std::size_t>(b)];
    const int style = button->BorderStyle();
    if (style != 0) bordered.push_back(b);
  }
  return bordered;
}

std::vector<int> ButtonsOf(Long tool) {
  for (int b = 0; b < kPaletteButtonCount; ++b) {
    if (kButtonTools[static_cast<std::size_t>(b)] == tool) return {b};
  }
  return {};
}

}  // namespace

std::vector<std::string> CheckModel(const Form& form) {
  Faults faults;
  for (Integer i = 0; i < kSlotCount; ++i) {
    const gate& g = form.doc.Gates(i);
    if (!IsGateKind(g.GetType())) faults.Add("gate slot ", i, " holds kind ", g.GetType());
    if (g.GetUsed() && g.GetType() == kNoGate) faults.Add("gate slot ", i, " is used but empty");
  }
  for (Integer j = 0; j < kSlotCount; ++j) {
    const linkgates& link = form.doc.Links(j);
    if (!IsSlotIndex(link.StartIndex) || !IsSlotIndex(link.StopIndex) ||
        !IsSlotIndex(link.LinkTo) || link.Stop_Num < 0 || link.Stop_Num > 2) {
      faults.Add("link slot ", j, (link.GetUsed() ? " (used)" : " (free)"), " names start ",
                 link.StartIndex, ", stop ", link.StopIndex, " input ", link.Stop_Num,
                 ", LinkTo ", link.LinkTo);
    }
  }
  if (form.LinkStarted != 0 && form.LinkStarted != 1) faults.Add("LinkStarted is ", form.LinkStarted);
  if (!IsSlotIndex(form.CurrentLink)) faults.Add("CurrentLink is ", form.CurrentLink);
  if (form.LinkStarted == 1 && IsSlotIndex(form.CurrentLink)) {
    const linkgates& drawn = form.doc.Links(form.CurrentLink);
    if (drawn.GetUsed()) faults.Add("the link being drawn, slot ", form.CurrentLink, ", is in use");
    if (IsSlotIndex(drawn.StartIndex) && !form.doc.Gates(drawn.StartIndex).GetUsed()) {
      faults.Add("the link being drawn starts at free gate slot ", drawn.StartIndex);
    }
  }
  const Long tool = form.doc.CurrentTool;
  if (tool < 0 || tool > 10 || tool == kBufferGate) faults.Add("CurrentTool is ", tool);
  if (form.EggCounter < 0 || form.EggCounter > 3) faults.Add("EggCounter is ", form.EggCounter);
  return faults.list;
}

std::vector<std::string> CheckScreen(const Form& form, const WindowProbe& probe,
                                     Long laggingTool) {
  Faults faults;
  for (Integer i = 0; i < kSlotCount; ++i) CheckGateSlot(faults, form, probe, i);
  for (Integer j = 0; j < kSlotCount; ++j) CheckLinkSlot(faults, form, probe.window, j);

  const std::vector<int> bordered = BorderedButtons(probe);
  if (bordered != ButtonsOf(form.doc.CurrentTool) &&
      (laggingTool < 0 || bordered != ButtonsOf(laggingTool))) {
    std::ostringstream buttons;
    for (int b : bordered) buttons << ' ' << b;
    faults.Add("palette border on buttons {", buttons.str(), " } for tool ", form.doc.CurrentTool);
  }

  const std::string caption = probe.power->text().toStdString();
  if ((caption == "Power Down") != form.doc.PowerOn || caption != probe.window.PowerCaption()) {
    faults.Add("the Power button reads \"", caption, "\" while power is ",
               form.doc.PowerOn ? "on" : "off");
  }
  if (form.doc.PowerOn && QApplication::overrideCursor() != nullptr) {
    faults.Add("a tool pointer shows while powered");
  }
  if (probe.dragOutline->isVisible()) faults.Add("a drag outline is left on screen");
  if (QApplication::activePopupWidget()) faults.Add("a menu is left open");
  if (QApplication::activeModalWidget()) faults.Add("a modal window is left open");
  return faults.list;
}

bool PaletteShows(const WindowProbe& probe, Long tool) {
  return BorderedButtons(probe) == ButtonsOf(tool);
}

std::vector<std::string> CheckNodesFollowTheirFeeders(const Form& form) {
  Faults faults;
  for (Integer j = 0; j < kSlotCount; ++j) {
    const linkgates& link = form.doc.Links(j);
    if (!link.GetUsed() || !link.StopIsNode) continue;
    if (!IsSlotIndex(link.StartIndex) || !IsSlotIndex(link.StopIndex)) continue;
    const gate& node = form.doc.Gates(link.StopIndex);
    if (!node.GetUsed() || node.GetType() != kBufferGate) continue;
    const gate& feeder = form.doc.Gates(link.StartIndex);
    if (node.GetCurrOutput() != feeder.GetCurrOutput()) {
      faults.Add("node ", link.StopIndex, " shows ", node.GetCurrOutput(), " but segment ", j,
                 " feeds it ", feeder.GetCurrOutput(), " from slot ", link.StartIndex);
    }
  }
  return faults.list;
}

}  // namespace tessara::app
