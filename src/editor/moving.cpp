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

void AutomaticDrag_MouseDown(Form& form, DragSource Source, Single X, Single Y) {
  form.GrabX = X;
  form.GrabY = Y;
  form.screen.BeginDrag(Source);
}

void buffer_MouseDown(Form& form, Integer Index, Single X, Single Y) {
  AutomaticDrag_MouseDown(form, {DragPool::buffer, Index}, X, Y);
}

void buffer_DblClick(Form& form) {
  const Riddle& riddle = kRiddles.at(static_cast<std::size_t>(form.EggCounter));
  form.screen.ShowMessage(Words(kContext, riddle.text), Words(kContext, riddle.title),
                          MessageStyle::Stop);
  form.EggCounter = static_cast<Integer>((form.EggCounter + 1) % kRiddles.size());
}

void Tessara_Frame_DragDrop(Form& form, DragSource Source, Single X, Single Y) {
  assert(IsSlotIndex(Source.index));
  const Integer i = Source.index;
  // The whole picture stays on the canvas, top to bottom.
  const Single size = Source.pool == DragPool::buffer ? kNodeMarkerSize : kGateImageSize;
  const Single y = std::clamp(Y - form.GrabY, Single{0}, kCanvasHeight - size);
  form.doc.SetObject(i, X - form.GrabX, y);
  form.screen.ObjImage(i).SetDragMode(DragMode::Manual);
  Refresh(form);
}

void ObjImage_DblClick(Form& form, Integer Index) {
  gate& g = form.doc.Gates(Index);
  const Long o = g.GetOrientation();
  if (IsOrientation(o)) g.SetOrientation((o + 1) % kOrientationCount);
  Refresh(form);
}

void TrashCan_DragDrop(Form& form, DragSource Source) {
  assert(IsSlotIndex(Source.index));
  const Integer i = Source.index;
  const gate& start = form.doc.Gates(form.doc.Links(form.CurrentLink).StartIndex);
  const bool startWasUsed = start.GetUsed();
  form.doc.Gates(i).SetUsed(false);
  form.screen.ObjImage(i).SetVisible(false);
  if (Source.pool == DragPool::buffer) form.screen.buffer(i).SetVisible(false);
  FreeChainsAt(form.doc, i);
  // A link being drawn from the gate or a node this freed has nothing to start from.
  if (form.LinkStarted != 0 && startWasUsed && !start.GetUsed()) form.LinkStarted = 0;
  Refresh(form);
}

void TrashCan_MouseDown(Form&) {}

}  // namespace tessara
