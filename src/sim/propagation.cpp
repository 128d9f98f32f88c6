#include "sim/propagation.h"

namespace tessara {
namespace {

// Hands the current output of the link's source to the input it names on its target.
void Transfer(Document& doc, const linkgates& link) {
  const Boolean v = doc.Gates(link.StartIndex).GetCurrOutput();
  doc.Gates(link.StopIndex).SetInputValue(link.Stop_Num, v);
}

}  // namespace

void PropagateLink(Document& doc, Integer index) {
  for (Integer visited = 0; visited < kSlotCount && IsSlotIndex(index); ++visited) {
    const linkgates& link = doc.Links(index);
    if (!CanCarry(link)) return;
    Transfer(doc, link);
    if (!link.StopIsNode) return;
    doc.Gates(link.StopIndex).GetNewOutput();
    index = link.LinkTo;
    if (!IsSlotIndex(index) || !doc.Links(index).GetUsed()) return;
  }
}

void PropStep(Document& doc) {
  for (Integer i = 0; i < kSlotCount; ++i) {
    const linkgates& link = doc.Links(i);
    if (!link.GetUsed() || !CanCarry(link)) continue;
    if (link.StopIsNode) {
      PropagateLink(doc, i);  // its first transfer is this link's own
    } else {
      Transfer(doc, link);
    }
  }
  for (Integer j = 0; j < kSlotCount; ++j) doc.Gates(j).GetNewOutput();
  for (Integer i = 0; i < kSlotCount; ++i) {
    const linkgates& link = doc.Links(i);
    if (link.GetUsed() && link.StopIsNode) PropagateLink(doc, i);
  }
}

void ToggleInput(Document& doc, Integer slot) {
  if (!IsSlotIndex(slot)) return;
  gate& g = doc.Gates(slot);
  if (g.GetType() != kInputGate) return;
  g.SetInputValue(0, !g.GetCurrOutput());
  g.GetNewOutput();
}

}  // namespace tessara
