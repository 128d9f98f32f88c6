// The refresh driver: every gate slot, every link slot and the palette, each time.
#include "view/display.h"

#include <array>
#include <string>

#include "io/circuit_warnings.h"
#include "io/learner_words.h"
#include "model/kinds.h"
#include "sim/signal_rows.h"
#include "view/spoken.h"
#include "view/tools.h"

namespace tessara {
namespace {

// The focus rectangle stands this far outside the element it frames.
constexpr float kFocusMargin = 45;
// The cross-hair's arms span a square of this side centred on the cursor.
constexpr float kCrossHairSize = 300;

using Names = std::array<std::string, kSlotCount>;

// "I1", "I2", ... and "O1", "O2", ... by slot, the names of the circuit inputs' and
// outputs' rows; "" for every other slot.
Names TerminalNames(const Document& doc, const std::vector<SignalRow>& rows) {
  Names names;
  for (const SignalRow& row : rows) {
    const std::int32_t kind = doc.Gates(row.slot).GetType();
    if (HasRole(kind, KindRole::Input) || HasRole(kind, KindRole::Output))
      names[static_cast<std::size_t>(row.slot)] = row.name;
  }
  return names;
}

void DisplayGate(const Document& doc, Screen& screen, std::int16_t i, const std::string& name,
                 bool highlighted, const Spoken& spoken) {
  const Gate& g = doc.Gates(i);
  if (!g.GetUsed()) {
    screen.GateImage(i).SetVisible(false);
    screen.NodeMarker(i).SetVisible(false);
    screen.ValueLabel(i).SetVisible(false);
    return;
  }
  if (HasRole(g, KindRole::Node)) {
    screen.GateImage(i).SetVisible(false);
    ImageElement& marker = screen.NodeMarker(i);
    marker.SetVisible(true);
    marker.SetTop(g.GetY());
    marker.SetLeft(g.GetX());
    marker.SetHighlight(highlighted);
    marker.SetSpoken(spoken);
  } else {
    // The slot may have held a node just before: an undo or redo puts a whole
    // document back at once, with no refresh of the freed slot between.
    screen.NodeMarker(i).SetVisible(false);
    ImageElement& image = screen.GateImage(i);
    image.SetVisible(true);
    image.SetTop(g.GetY());
    image.SetLeft(g.GetX());
    SetGateImage(doc, screen, i);
    image.SetName(name);
    image.SetHighlight(highlighted);
    image.SetSpoken(spoken);
  }
  DisplayValue(doc, screen, i);
}

void DisplayLink(const Document& doc, Screen& screen, std::int16_t i, bool highlighted) {
  if (!doc.Links(i).GetUsed()) {
    screen.LinkLine(i).SetVisible(false);
    return;
  }
  LineElement& line = screen.LinkLine(i);
  line.SetVisible(true);
  SetLineStart(doc, screen, i);
  SetLineStop(doc, screen, i);
  const bool high = doc.Gates(doc.Links(i).Source).GetCurrOutput();
  line.SetValue(!doc.PowerOn ? LineValue::None : high ? LineValue::High : LineValue::Low);
  line.SetHighlight(highlighted);
}

void DisplayPalette(const Document& doc, Screen& screen) {
  for (int b = 0; b < kPaletteButtonCount; ++b) {
    screen.Palette(static_cast<PaletteButton>(b)).SetBorderStyle(0);
  }
  if (const ToolFacts* current = FindTool(doc.CurrentTool)) {
    screen.Palette(current->button).SetBorderStyle(1);
  }
}

// The cross-hair on the cursor, and the frame around the focused gate or bend.
void DisplayKeyboard(const Scene& scene, Screen& screen) {
  MarkElement& cross = screen.CrossHair();
  cross.SetVisible(true);
  cross.SetLeft(scene.keys.cursorX - kCrossHairSize / 2);
  cross.SetTop(scene.keys.cursorY - kCrossHairSize / 2);
  cross.SetSize(kCrossHairSize);
  MarkElement& frame = screen.FocusMark();
  const std::optional<std::int16_t> focus = FocusedSlot(scene);
  frame.SetVisible(focus.has_value());
  if (!focus) return;
  const Gate& g = scene.doc.Gates(*focus);
  frame.SetLeft(g.GetX() - kFocusMargin);
  frame.SetTop(g.GetY() - kFocusMargin);
  frame.SetSize((HasRole(g, KindRole::Node) ? kNodeMarkerSize : kGateImageSize) + 2 * kFocusMargin);
}

}  // namespace

void DrawCircuit(const Scene& scene, Screen& screen, const Highlight& highlight,
                 bool showProblems) {
  const Document& doc = scene.doc;
  const bool marked = showProblems && !doc.PowerOn;
  const std::vector<SignalRow> rows = SignalRows(doc);
  Names names = TerminalNames(doc, rows);
  // A logic gate's tag shows while the Why window, an expression or a problem mark names it.
  for (std::size_t slot = 0; slot < names.size(); ++slot) {
    if ((highlight.gates[slot] || highlight.tagged[slot]) && names[slot].empty()) {
      names[slot] = GateTag(std::int16_t(slot));
    }
  }
  if (marked) {
    for (const CircuitWarning& warning : FindWarnings(doc)) {
      if (warning.link < 0 && warning.gate >= 0 &&
          names[static_cast<std::size_t>(warning.gate)].empty()) {
        names[static_cast<std::size_t>(warning.gate)] = GateTag(warning.gate);
      }
    }
  }
  const std::array<Spoken, kSlotCount> spoken = SpokenSlots(scene, rows);
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    DisplayGate(doc, screen, i, names[slot], highlight.gates[slot], spoken[slot]);
  }
  for (std::int16_t i = 0; i < kSlotCount; ++i)
    DisplayLink(doc, screen, i, highlight.links[static_cast<std::size_t>(i)]);
  screen.ProblemMarks().SetMarks(marked ? FindProblemMarks(doc) : std::vector<ProblemMark>{});
  DisplayPalette(doc, screen);
  DisplayKeyboard(scene, screen);
  screen.SetCanvasSpoken(SpokenCanvas(scene));
}

void ResetElements(Screen& screen) {
  screen.FocusMark().SetVisible(false);
  screen.SetCanvasSpoken(SpokenCanvas(Scene()));
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    screen.GateImage(i).SetVisible(false);
    screen.GateImage(i).SetDragMode(DragMode::Automatic);
    screen.ValueLabel(i).SetVisible(false);
    screen.NodeMarker(i).SetVisible(false);
  }
  for (std::int16_t i = 0; i < kSlotCount; ++i) screen.LinkLine(i).SetVisible(false);
  screen.ProblemMarks().SetMarks({});
}

}  // namespace tessara
