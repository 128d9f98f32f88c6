// Presses on the bare canvas: a new gate centred on the pointer, or a bend point of
// the link being drawn.
#include "editor/placing.h"

#include "editor/linking.h"
#include "editor/refresh.h"
#include "editor/refusals.h"
#include "model/cell.h"
#include "model/gatekinds.h"
#include "model/kinds.h"
#include "view/tools.h"

namespace tessara {
namespace {

void PlaceGate(Form& form, float X, float Y) {
  const std::optional<std::int16_t> slot = form.doc.GetFreeGate();
  if (!slot) {
    ShowRefusal(form.screen, Refusal::NoRoomForGate);
    return;
  }
  const std::int32_t type = form.doc.CurrentTool;
  form.doc.PutGate(*slot, MakeGate(type));
  Gate& g = form.doc.EditGate(*slot);
  const float x = X - kHalfCell;  // the press point lands mid-image
  const float y = Y - kHalfCell;
  form.doc.SetObject(*slot, x, y);
  g.SetInputValue(0, false);
  if (FindKind(type)->inputs == 2) g.SetInputValue(1, false);
  g.SetUsed(true);
}

}  // namespace

void OnCanvasPress(Form& form, float X, float Y) {
  if (!form.doc.PowerOn) {
    const ToolFacts* tool = FindTool(form.doc.CurrentTool);
    if (tool && tool->placesGate) {
      PlaceGate(form, X, Y);
    } else if (form.doc.CurrentTool == kLinkTool) {
      if (form.LinkStarted != 0) {
        AddNode(form, X, Y);
      } else {
        ShowRefusal(form.screen, Refusal::ClickOnGates);
      }
    }
  }
  Refresh(form);
}

void OnCanvasRelease(Form&) {}

}  // namespace tessara
