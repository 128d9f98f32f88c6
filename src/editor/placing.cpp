// Presses on the bare canvas: a new gate centred on the pointer, or a bend point of
// the link being drawn.
#include "editor/placing.h"

#include "editor/linking.h"
#include "editor/refresh.h"
#include "editor/refusals.h"
#include "model/gatekinds.h"

namespace tessara {
namespace {

constexpr Single kHalfCell = kCellSize / 2;  // the press point lands mid-image

// The codes of the tools that place a gate of the same code.
bool IsGateTool(Long tool) {
  switch (tool) {
    case kAndGate:
    case kOrGate:
    case kNotGate:
    case kInputGate:
    case kOutputGate:
    case kNandGate:
    case kNorGate:
    case kXorGate:
      return true;
    default:
      return false;
  }
}

bool HasTwoInputs(Long type) {
  return type != kNotGate && type != kInputGate && type != kOutputGate;
}

void PlaceGate(Form& form) {
  const std::optional<Integer> slot = form.doc.GetFreeGate();
  if (!slot) {
    ShowNoRoom(form.screen, "gate");
    return;
  }
  const Long type = form.doc.CurrentTool;
  form.doc.PutGate(*slot, MakeGate(type));
  gate& g = form.doc.Gates(*slot);
  const Single x = form.MouseX - kHalfCell;
  const Single y = form.MouseY - kHalfCell;
  // Inputs and outputs keep their columns and so skip the gate area's limits.
  if (type == kInputGate || type == kOutputGate) {
    g.SetLocation(x, y);
  } else {
    form.doc.SetObject(*slot, x, y);
  }
  g.SetInputValue(0, false);
  if (HasTwoInputs(type)) g.SetInputValue(1, false);
  g.SetUsed(true);
}

}  // namespace

void Tessara_Frame_MouseDown(Form& form) {
  if (!form.doc.PowerOn) {
    if (IsGateTool(form.doc.CurrentTool)) {
      PlaceGate(form);
    } else if (form.doc.CurrentTool == kLinkTool) {
      if (form.LinkStarted != 0) {
        AddNode(form);
      } else {
        form.screen.ShowMessage("Error: Click on the gates", "Error", MessageStyle::Stop);
      }
    }
  }
  Refresh(form);
}

void Tessara_Frame_MouseUp(Form&) {}

}  // namespace tessara
