// The tool palette and the pointer over the canvas.
#include "editor/palette.h"

#include <optional>

#include "editor/refresh.h"

namespace tessara {
namespace {

// The IconCache cursor that pictures a tool; none for tool 7, which is no tool.
std::optional<int> ToolIcon(Long tool) {
  switch (tool) {
    case kSelectTool:
      return 5;
    case kLinkTool:
      return 6;
    case kAndGate:
      return 0;
    case kOrGate:
      return 1;
    case kNotGate:
      return 2;
    case kInputGate:
      return 3;
    case kOutputGate:
      return 4;
    case kNandGate:
      return 7;
    case kNorGate:
      return 8;
    case kXorGate:
      return 9;
    default:
      return std::nullopt;
  }
}

// Every tool but the cross also lets presses reach the images' own handlers.
void ChooseTool(Form& form, Long tool) {
  form.doc.CurrentTool = tool;
  SetManualDrag(form);
}

}  // namespace

void CrossButton_Click(Form& form) {
  form.doc.CurrentTool = kSelectTool;
  Refresh(form);
}

void LinkButton_Click(Form& form) { ChooseTool(form, kLinkTool); }
void AndGateButton_Click(Form& form) { ChooseTool(form, kAndGate); }
void OrGateButton_Click(Form& form) { ChooseTool(form, kOrGate); }
void NotGateButton_Click(Form& form) { ChooseTool(form, kNotGate); }
void InputButton_Click(Form& form) { ChooseTool(form, kInputGate); }
void OutputButton_Click(Form& form) { ChooseTool(form, kOutputGate); }
void NandGateButton_Click(Form& form) { ChooseTool(form, kNandGate); }
void NorGateButton_Click(Form& form) { ChooseTool(form, kNorGate); }
void XorGateButton_Click(Form& form) { ChooseTool(form, kXorGate); }

void SetManualDrag(Form& form) {
  for (Integer i = 0; i < kSlotCount; ++i) {
    form.screen.ObjImage(i).SetDragMode(DragMode::Manual);
    form.screen.buffer(i).SetDragMode(DragMode::Manual);
  }
  Refresh(form);
}

void Tessara_Frame_MouseMove(Form& form, Single X, Single Y) {
  if (!form.doc.PowerOn) {
    if (auto icon = ToolIcon(form.doc.CurrentTool)) form.screen.SetToolPointer(*icon);
  }
  form.MouseX = X;
  form.MouseY = Y;
}

void Form_MouseMove(Form& form) { form.screen.SetDefaultPointer(); }

}  // namespace tessara
