// Presses on gate images, and drawing links: a press on an output half opens a
// segment, every canvas press adds a node that closes it and opens the next, and a
// press on an input half closes the last one at the input that half chooses.
#include "editor/linking.h"

#include <optional>

#include "editor/refusals.h"
#include "editor/stepping.h"
#include "model/cell.h"
#include "model/gatekinds.h"
#include "sim/propagation.h"
#include "view/display.h"

namespace tessara {
namespace {

// The press (x, y) on gate index's image, seen on the upright gate's cell; nothing for
// an orientation outside 0..3.
std::optional<CellPoint> UprightPress(const Form& form, Single x, Single y, Integer index) {
  return ToUpright({x, y}, form.doc.Gates(index).GetOrientation());
}

// The lowest free link slot other than the one being drawn, which is not yet used.
std::optional<Integer> FreeLinkBesides(const Document& doc, Integer drawn) {
  for (Integer j = 0; j < kSlotCount; ++j) {
    if (j != drawn && !doc.Links(j).GetUsed()) return j;
  }
  return std::nullopt;
}

// Idle: a press on an output half opens a segment from gate i. Like every idle press
// it first takes the lowest free link slot and clears its node flags.
void StartLink(Form& form, Integer i, Single X, Single Y) {
  const std::optional<Integer> slot = form.doc.GetFreeLink();
  if (slot) {
    form.CurrentLink = *slot;
    form.doc.Links(*slot).StartIsNode = false;
    form.doc.Links(*slot).StopIsNode = false;
  }
  if (IsOutputSide(form, X, Y, i) != 1) {
    ShowRefusal(form.screen, Refusal::StartWithOutput);
  } else if (!slot) {
    ShowRefusal(form.screen, Refusal::NoRoomForLink);
  } else {
    form.doc.Links(*slot).SetStart(i, 0);
    form.LinkStarted = 1;
  }
}

// Drawing: a press on an input half of gate i completes the segment being drawn.
void FinishLink(Form& form, Integer i, Single X, Single Y) {
  if (IsOutputSide(form, X, Y, i) == 1) {
    ShowRefusal(form.screen, Refusal::FinishWithInput);
    return;
  }
  linkgates& segment = form.doc.Links(form.CurrentLink);
  segment.SetStop(i, GetClickedInput(form, X, Y, i));
  form.LinkStarted = 0;
  segment.SetUsed(true);
}

}  // namespace

void ObjImage_MouseDown(Form& form, Integer Index, Single X, Single Y) {
  // The grab offset is recorded before the drag begins, so that a toolkit whose drag
  // runs to its drop inside BeginDrag still drops with this press's offset.
  form.GrabX = X;
  form.GrabY = Y;
  if (form.doc.CurrentTool == kSelectTool && !form.doc.PowerOn) {
    form.screen.BeginDrag({DragPool::ObjImage, Index});
  }
  if (form.doc.PowerOn) {
    ToggleInput(form.doc, Index);
    if (form.doc.Gates(Index).GetType() == kInputGate) RecordStep(form, StepCause::Toggle, Index);
  } else if (form.doc.CurrentTool == kLinkTool) {
    if (form.LinkStarted == 0) {
      StartLink(form, Index, X, Y);
    } else {
      FinishLink(form, Index, X, Y);
    }
  }
  DisplayObjects(form, form.screen);
}

// The upright gate's right half, the midline included, is its output half; on its
// left half, the lower half chooses input 1.
Long IsOutputSide(const Form& form, Single x, Single y, Integer index) {
  const std::optional<CellPoint> p = UprightPress(form, x, y, index);
  return p && p->x >= kHalfCell ? 1 : 0;
}

Integer GetClickedInput(const Form& form, Single x, Single y, Integer index) {
  const std::optional<CellPoint> p = UprightPress(form, x, y, index);
  return p && p->y >= kHalfCell ? 1 : 0;
}

void AddNode(Form& form) {
  // Both slots are found before anything changes, so a full circuit leaves the
  // segment being drawn open and nothing half made.
  const std::optional<Integer> slot = form.doc.GetFreeGate();
  if (!slot) {
    ShowRefusal(form.screen, Refusal::NoRoomForGate);
    return;
  }
  const std::optional<Integer> next = FreeLinkBesides(form.doc, form.CurrentLink);
  if (!next) {
    ShowRefusal(form.screen, Refusal::NoRoomForLink);
    return;
  }
  form.doc.PutGate(*slot, MakeGate(kBufferGate));
  form.doc.SetObject(*slot, form.MouseX, form.MouseY);
  gate& node = form.doc.Gates(*slot);
  node.SetInputValue(0, false);
  node.SetUsed(true);

  linkgates& closed = form.doc.Links(form.CurrentLink);
  closed.SetStop(*slot, 0);
  closed.StopIsNode = true;
  closed.SetUsed(true);
  closed.LinkTo = *next;

  form.CurrentLink = *next;
  linkgates& opened = form.doc.Links(*next);
  opened.SetStart(*slot, 0);
  opened.StartIsNode = true;
  opened.StopIsNode = false;
}

}  // namespace tessara
