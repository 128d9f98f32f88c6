// Presses on gate images, and drawing links: a press on an output half opens a
// segment, every canvas press adds a node that closes it and opens the next, and a
// press on an input half closes the last one at the input that half chooses.
#include "editor/linking.h"

#include <optional>

#include "editor/refresh.h"
#include "editor/refusals.h"
#include "editor/stepping.h"
#include "model/cell.h"
#include "model/gatekinds.h"
#include "sim/propagation.h"

namespace tessara {
namespace {

// The press (x, y) on gate index's image, seen on the upright gate's cell; nothing for
// an orientation outside 0..3.
std::optional<CellPoint> UprightPress(const Form& form, float x, float y, std::int16_t index) {
  return ToUpright({x, y}, form.doc.Gates(index).GetOrientation());
}

// The lowest free link slot other than the one being drawn, which is not yet used.
std::optional<std::int16_t> FreeLinkBesides(const Document& doc, std::int16_t drawn) {
  for (std::int16_t j = 0; j < kSlotCount; ++j) {
    if (j != drawn && !doc.Links(j).GetUsed()) return j;
  }
  return std::nullopt;
}

// Idle: a press on an output half opens a segment from gate i. Like every idle press
// it first takes the lowest free link slot and clears its node flags.
void StartLink(Form& form, std::int16_t i, float X, float Y) {
  const std::optional<std::int16_t> slot = form.doc.GetFreeLink();
  if (slot) {
    form.CurrentLink = *slot;
    form.doc.EditLink(*slot).FromNode = false;
    form.doc.EditLink(*slot).ToNode = false;
  }
  if (IsOutputSide(form, X, Y, i) != 1) {
    ShowRefusal(form.screen, Refusal::StartWithOutput);
  } else if (!slot) {
    ShowRefusal(form.screen, Refusal::NoRoomForLink);
  } else {
    form.doc.EditLink(*slot).SetStart(i, 0);
    form.LinkStarted = 1;
  }
}

// Drawing: a press on an input half of gate i completes the segment being drawn.
void FinishLink(Form& form, std::int16_t i, float X, float Y) {
  if (IsOutputSide(form, X, Y, i) == 1) {
    ShowRefusal(form.screen, Refusal::FinishWithInput);
    return;
  }
  Link& segment = form.doc.EditLink(form.CurrentLink);
  segment.SetStop(i, GetClickedInput(form, X, Y, i));
  form.LinkStarted = 0;
  segment.SetUsed(true);
}

}  // namespace

void OnGatePress(Form& form, std::int16_t Index, float X, float Y) {
  if (form.doc.CurrentTool == kSelectTool && !form.doc.PowerOn) {
    form.screen.BeginDrag({DragPool::GateImage, Index, X, Y});
  }
  if (form.doc.PowerOn) {
    ToggleInput(form.doc, Index);
    if (HasRole(form.doc.Gates(Index), KindRole::Input)) RecordStep(form, StepCause::Toggle, Index);
  } else if (form.doc.CurrentTool == kLinkTool) {
    if (form.LinkStarted == 0) {
      StartLink(form, Index, X, Y);
    } else {
      FinishLink(form, Index, X, Y);
    }
  }
  Refresh(form);
}

// The upright gate's right half, the midline included, is its output half; on its
// left half, the lower half chooses input 1.
std::int32_t IsOutputSide(const Form& form, float x, float y, std::int16_t index) {
  const std::optional<CellPoint> p = UprightPress(form, x, y, index);
  return p && p->x >= kHalfCell ? 1 : 0;
}

std::int16_t GetClickedInput(const Form& form, float x, float y, std::int16_t index) {
  const std::optional<CellPoint> p = UprightPress(form, x, y, index);
  return p && p->y >= kHalfCell ? 1 : 0;
}

void AddNode(Form& form, float X, float Y) {
  // Both slots are found before anything changes, so a full circuit leaves the
  // segment being drawn open and nothing half made.
  const std::optional<std::int16_t> slot = form.doc.GetFreeGate();
  if (!slot) {
    ShowRefusal(form.screen, Refusal::NoRoomForGate);
    return;
  }
  const std::optional<std::int16_t> next = FreeLinkBesides(form.doc, form.CurrentLink);
  if (!next) {
    ShowRefusal(form.screen, Refusal::NoRoomForLink);
    return;
  }
  form.doc.PutGate(*slot, MakeGate(kBufferGate));
  form.doc.SetObject(*slot, X, Y);
  Gate& node = form.doc.EditGate(*slot);
  node.SetInputValue(0, false);
  node.SetUsed(true);

  Link& closed = form.doc.EditLink(form.CurrentLink);
  closed.SetStop(*slot, 0);
  closed.ToNode = true;
  closed.SetUsed(true);
  closed.Next = *next;

  form.CurrentLink = *next;
  Link& opened = form.doc.EditLink(*next);
  opened.SetStart(*slot, 0);
  opened.FromNode = true;
  opened.ToNode = false;
}

}  // namespace tessara
