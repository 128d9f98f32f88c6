// The refresh driver: every gate slot, every link slot and the palette, each time.
#include "view/display.h"

#include <optional>

namespace tessara {
namespace {

// The palette button that carries the border for a tool code; none for tool 7 (the
// node kind, which no button selects) or a code outside 0..10.
std::optional<PaletteButton> ToolButton(Long tool) {
  switch (tool) {
    case kSelectTool:
      return PaletteButton::CrossButton;
    case kLinkTool:
      return PaletteButton::LinkButton;
    case kAndGate:
      return PaletteButton::AndGateButton;
    case kOrGate:
      return PaletteButton::OrGateButton;
    case kNotGate:
      return PaletteButton::NotGateButton;
    case kInputGate:
      return PaletteButton::InputButton;
    case kOutputGate:
      return PaletteButton::OutputButton;
    case kNandGate:
      return PaletteButton::NandGateButton;
    case kNorGate:
      return PaletteButton::NorGateButton;
    case kXorGate:
      return PaletteButton::XorGateButton;
    default:
      return std::nullopt;
  }
}

void DisplayGate(const Document& doc, Screen& screen, Integer i) {
  const gate& g = doc.Gates(i);
  if (!g.GetUsed()) {
    screen.ObjImage(i).SetVisible(false);
    screen.buffer(i).SetVisible(false);
    screen.txtObjValue(i).SetVisible(false);
    return;
  }
  if (g.GetType() == kBufferGate) {
    screen.ObjImage(i).SetVisible(false);
    ImageElement& marker = screen.buffer(i);
    marker.SetVisible(true);
    marker.SetTop(g.GetY());
    marker.SetLeft(g.GetX());
  } else {
    // The slot may have held a node just before: an undo or redo puts a whole
    // document back at once, with no refresh of the freed slot between.
    screen.buffer(i).SetVisible(false);
    ImageElement& image = screen.ObjImage(i);
    image.SetVisible(true);
    image.SetTop(g.GetY());
    image.SetLeft(g.GetX());
    SetGateImage(doc, screen, i);
  }
  DisplayValue(doc, screen, i);
}

void DisplayLink(const Document& doc, Screen& screen, Integer i) {
  if (!doc.Links(i).GetUsed()) {
    screen.LinkLine(i).SetVisible(false);
    return;
  }
  LineElement& line = screen.LinkLine(i);
  line.SetVisible(true);
  SetLineStart(doc, screen, i);
  SetLineStop(doc, screen, i);
  const bool high = doc.Gates(doc.Links(i).StartIndex).GetCurrOutput();
  line.SetValue(!doc.PowerOn ? LineValue::None : high ? LineValue::High : LineValue::Low);
}

void DisplayPalette(const Document& doc, Screen& screen) {
  for (int b = 0; b < kPaletteButtonCount; ++b) {
    screen.Palette(static_cast<PaletteButton>(b)).SetBorderStyle(0);
  }
  if (auto current = ToolButton(doc.CurrentTool)) screen.Palette(*current).SetBorderStyle(1);
}

}  // namespace

void DisplayObjects(const Document& doc, Screen& screen) {
  for (Integer i = 0; i < kSlotCount; ++i) DisplayGate(doc, screen, i);
  for (Integer i = 0; i < kSlotCount; ++i) DisplayLink(doc, screen, i);
  DisplayPalette(doc, screen);
}

void ResetElements(Screen& screen) {
  for (Integer i = 0; i < kSlotCount; ++i) {
    screen.ObjImage(i).SetVisible(false);
    screen.ObjImage(i).SetDragMode(DragMode::Automatic);
    screen.txtObjValue(i).SetVisible(false);
    screen.buffer(i).SetVisible(false);
  }
  for (Integer i = 0; i < kSlotCount; ++i) screen.LinkLine(i).SetVisible(false);
}

}  // namespace tessara
