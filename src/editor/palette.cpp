// The tool palette and the pointer over the canvas.
#include "editor/palette.h"

#include "editor/refresh.h"
#include "view/tools.h"

namespace tessara {

// Makes the button's tool current; all but the cross also let presses reach the images'
// own handlers. Refreshes.
void ChooseTool(Form& form, PaletteButton button) {
  const ToolFacts& tool = ToolOf(button);
  form.doc.CurrentTool = tool.code;
  if (tool.manualDrag) {
    SetManualDrag(form);
  } else {
    Refresh(form);
  }
}

void OnSelectTool(Form& form) { ChooseTool(form, PaletteButton::CrossButton); }
void OnLinkTool(Form& form) { ChooseTool(form, PaletteButton::LinkButton); }
void OnAndTool(Form& form) { ChooseTool(form, PaletteButton::AndGateButton); }
void OnOrTool(Form& form) { ChooseTool(form, PaletteButton::OrGateButton); }
void OnNotTool(Form& form) { ChooseTool(form, PaletteButton::NotGateButton); }
void OnInputTool(Form& form) { ChooseTool(form, PaletteButton::InputButton); }
void OnOutputTool(Form& form) { ChooseTool(form, PaletteButton::OutputButton); }
void OnNandTool(Form& form) { ChooseTool(form, PaletteButton::NandGateButton); }
void OnNorTool(Form& form) { ChooseTool(form, PaletteButton::NorGateButton); }
void OnXorTool(Form& form) { ChooseTool(form, PaletteButton::XorGateButton); }

void SetManualDrag(Form& form) {
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    form.screen.GateImage(i).SetDragMode(DragMode::Manual);
    form.screen.NodeMarker(i).SetDragMode(DragMode::Manual);
  }
  Refresh(form);
}

void OnCanvasMove(Form& form) {
  if (!form.doc.PowerOn) {
    if (const ToolFacts* tool = FindTool(form.doc.CurrentTool)) {
      form.screen.SetToolPointer(tool->code);
    }
  }
}

void OnWindowPointerMove(Form& form) { form.screen.SetDefaultPointer(); }

}  // namespace tessara
