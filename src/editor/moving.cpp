// Moving gates and nodes by dragging, turning gates, deleting them on the trash can,
// and the riddles a node's double-click tells.
#include "editor/moving.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <string_view>

#include "editor/refresh.h"
#include "model/cell.h"
#include "model/link_chain.h"

namespace tessara {
namespace {

struct Riddle {
  const char* title;
  const char* text;
};

constexpr const char* kContext = "Riddles";
constexpr std::array<Riddle, 4> kRiddles = {{
    {TESSARA_PHRASE("Riddles", "Riddle"),
     TESSARA_PHRASE("Riddles",
                    "What goes around and around all day long, but always straight ahead")},
    {TESSARA_PHRASE("Riddles", "Joke"),
     TESSARA_PHRASE("Riddles", "How do you tell when a lawyer is lieing?  His lips are moving.")},
    {TESSARA_PHRASE("Riddles", "Joke"),
     TESSARA_PHRASE("Riddles",
                    "Why was the AND gate never invited to parties?  It only said yes when "
                    "everyone else did.")},
    {TESSARA_PHRASE("Riddles", "Riddle"),
     TESSARA_PHRASE("Riddles",
                    "More of me is hidden then is seen. I am light than what I am made of")},
}};

}  // namespace

void OnAutomaticDragPress(Form& form, DragSource Source, float X, float Y) {
  Source.grabX = X;
  Source.grabY = Y;
  form.screen.BeginDrag(Source);
}

void OnNodePress(Form& form, std::int16_t Index, float X, float Y) {
  OnAutomaticDragPress(form, {DragPool::NodeMarker, Index}, X, Y);
}

void OnNodeDoubleClick(Form& form) {
  const Riddle& riddle = kRiddles.at(static_cast<std::size_t>(form.EggCounter));
  form.screen.ShowMessage(Words(kContext, riddle.text), Words(kContext, riddle.title),
                          MessageStyle::Stop);
  form.EggCounter = static_cast<std::int16_t>((form.EggCounter + 1) % kRiddles.size());
}

void OnCanvasDrop(Form& form, DragSource Source, float X, float Y) {
  assert(IsSlotIndex(Source.index));
  const std::int16_t i = Source.index;
  // The whole picture stays on the canvas, top to bottom.
  const float size = Source.pool == DragPool::NodeMarker ? kNodeMarkerSize : kGateImageSize;
  const float y = std::clamp(Y - Source.grabY, float{0}, kCanvasHeight - size);
  form.doc.SetObject(i, X - Source.grabX, y);
  form.screen.GateImage(i).SetDragMode(DragMode::Manual);
  Refresh(form);
}

void OnGateDoubleClick(Form& form, std::int16_t Index) {
  Gate& g = form.doc.EditGate(Index);
  const std::int32_t o = g.GetOrientation();
  if (IsOrientation(o)) g.SetOrientation((o + 1) % kOrientationCount);
  Refresh(form);
}

void OnTrashDrop(Form& form, DragSource Source) {
  assert(IsSlotIndex(Source.index));
  const std::int16_t i = Source.index;
  const Gate& start = form.doc.Gates(form.doc.Links(form.CurrentLink).Source);
  const bool startWasUsed = start.GetUsed();
  form.doc.EditGate(i).SetUsed(false);
  form.screen.GateImage(i).SetVisible(false);
  if (Source.pool == DragPool::NodeMarker) form.screen.NodeMarker(i).SetVisible(false);
  FreeChainsAt(form.doc, i);
  // A link being drawn from the gate or a node this freed has nothing to start from.
  if (form.LinkStarted != 0 && startWasUsed && !start.GetUsed()) form.LinkStarted = 0;
  Refresh(form);
}

void OnTrashPress(Form&) {}

}  // namespace tessara
