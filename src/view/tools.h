// What every tool is, one row a tool: its code (the document's CurrentTool), the palette
// button that chooses it and carries the border, and what choosing and using it does;
// its pointer over the canvas is drawn from its code (artwork::ToolCursor). A new tool is one row
// here, its button (PaletteButton and the window's palette) and the button's handler
// (editor/palette.h). Every field is required, as in model/kinds.h, and the checks at the end
// refuse a table that leaves a button, or a kind a learner places, without its tool.
#pragma once

#include <array>

#include "model/kinds.h"
#include "view/screen.h"

namespace tessara {

struct ToolFacts {
  std::int32_t code;     // the tool code; a gate tool's is the code of the kind it places
  PaletteButton button;  // the palette button that chooses it
  bool placesGate;       // a press on the canvas places a gate of kind `code`
  bool manualDrag;       // choosing it puts every image in manual drag mode, so that
                         // presses reach the images' own handlers
};

inline constexpr std::array<ToolFacts, kPaletteButtonCount> kTools = {{
    {.code = kSelectTool,
     .button = PaletteButton::CrossButton,
     .placesGate = false,
     .manualDrag = false},
    {.code = kLinkTool,
     .button = PaletteButton::LinkButton,
     .placesGate = false,
     .manualDrag = true},
    {.code = kAndGate,
     .button = PaletteButton::AndGateButton,
     .placesGate = true,
     .manualDrag = true},
    {.code = kOrGate,
     .button = PaletteButton::OrGateButton,
     .placesGate = true,
     .manualDrag = true},
    {.code = kNotGate,
     .button = PaletteButton::NotGateButton,
     .placesGate = true,
     .manualDrag = true},
    {.code = kInputGate,
     .button = PaletteButton::InputButton,
     .placesGate = true,
     .manualDrag = true},
    {.code = kOutputGate,
     .button = PaletteButton::OutputButton,
     .placesGate = true,
     .manualDrag = true},
    {.code = kNandGate,
     .button = PaletteButton::NandGateButton,
     .placesGate = true,
     .manualDrag = true},
    {.code = kNorGate,
     .button = PaletteButton::NorGateButton,
     .placesGate = true,
     .manualDrag = true},
    {.code = kXorGate,
     .button = PaletteButton::XorGateButton,
     .placesGate = true,
     .manualDrag = true},
}};

// The palette's buttons as it lists them, left to right and top to bottom; the keys 1 to
// 9 and 0 choose their tools in this order.
inline constexpr std::array<PaletteButton, kPaletteButtonCount> kPaletteOrder = {
    PaletteButton::CrossButton,    PaletteButton::LinkButton,    PaletteButton::AndGateButton,
    PaletteButton::NandGateButton, PaletteButton::OrGateButton,  PaletteButton::NorGateButton,
    PaletteButton::NotGateButton,  PaletteButton::XorGateButton, PaletteButton::InputButton,
    PaletteButton::OutputButton};

// The tool with this code; nullptr for a code no tool has (7, the node kind's, among them).
constexpr const ToolFacts* FindTool(std::int32_t code) {
  return FindRow(kTools, &ToolFacts::code, code);
}

// The tool the button chooses; every button has one.
constexpr const ToolFacts& ToolOf(PaletteButton button) {
  return *FindRow(kTools, &ToolFacts::button, button);
}

// The rows agree with each other and with the kinds: each code and button once
// (so every button has its tool); a gate tool for every kind but the node, and only for
// kinds. The palette's order lists every button once.
namespace tools_check {

constexpr bool EachKindButTheNodeHasItsGateTool() {
  for (const KindFacts& kind : kKinds) {
    std::size_t gateTools = 0;
    for (const ToolFacts& tool : kTools) gateTools += tool.placesGate && tool.code == kind.code;
    if ((kind.role == KindRole::Node) != (gateTools == 0)) return false;
  }
  for (const ToolFacts& tool : kTools) {
    if (tool.placesGate && CountRows(kKinds, &KindFacts::code, tool.code) == 0) return false;
  }
  return true;
}

constexpr bool PaletteOrderListsEachButtonOnce() {
  for (std::size_t a = 0; a < kPaletteOrder.size(); ++a) {
    for (std::size_t b = a + 1; b < kPaletteOrder.size(); ++b) {
      if (kPaletteOrder[a] == kPaletteOrder[b]) return false;
    }
  }
  return true;
}

static_assert(AllDistinct(kTools, &ToolFacts::code) && AllDistinct(kTools, &ToolFacts::button),
              "each tool has its own code and button");
static_assert(EachKindButTheNodeHasItsGateTool(), "every kind a learner places has its gate tool");
static_assert(PaletteOrderListsEachButtonOnce(), "the palette lists each button once");

}  // namespace tools_check

}  // namespace tessara
