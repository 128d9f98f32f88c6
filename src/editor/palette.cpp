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

void CrossButton_Click(Form& form) { ChooseTool(form, PaletteButton::CrossButton); }
void LinkButton_Click(Form& form) { ChooseTool(form, PaletteButton::LinkButton); }
void AndGateButton_Click(Form& form) { ChooseTool(form, PaletteButton::AndGateButton); }
void OrGateButton_Click(Form& form) { ChooseTool(form, PaletteButton::OrGateButton); }
void NotGateButton_Click(Form& form) { ChooseTool(form, PaletteButton::NotGateButton); }
void InputButton_Click(Form& form) { ChooseTool(form, PaletteButton::InputButton); }
void OutputButton_Click(Form& form) { ChooseTool(form, PaletteButton::OutputButton); }
void NandGateButton_Click(Form& form) { ChooseTool(form, PaletteButton::NandGateButton); }
void NorGateButton_Click(Form& form) { ChooseTool(form, PaletteButton::NorGateButton); }
void XorGateButton_Click(Form& form) { ChooseTool(form, PaletteButton::XorGateButton); }

void SetManualDrag(Form& form) {
  for (Integer i = 0; i < kSlotCount; ++i) {
    form.screen.ObjImage(i).SetDragMode(DragMode::Manual);
    form.screen.buffer(i).SetDragMode(DragMode::Manual);
  }
  Refresh(form);
}

void Tessara_Frame_MouseMove(Form& form, Single X, Single Y) {
  if (!form.doc.PowerOn) {
    if (const ToolFacts* tool = FindTool(form.doc.CurrentTool)) {
      form.screen.SetToolPointer(tool->cursor);
    }
  }
  form.MouseX = X;
  form.MouseY = Y;
}

void Form_MouseMove(Form& form) { form.screen.SetDefaultPointer(); }

}  // namespace tessara
