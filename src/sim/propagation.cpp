#include "sim/propagation.h"

namespace tessara {
namespace {

// Hands the current output of the link's source to the input it names on its target;
// a node there takes the value on at once.
inline void Carry(Document& doc, const linkgates& link) {
  const Boolean v = doc.Gates(link.StartIndex).GetCurrOutput();
  doc.Gates(link.StopIndex).SetInputValue(link.Stop_Num, v);
  if (link.StopIsNode) doc.Gates(link.StopIndex).GetNewOutput();
}

}  // namespace

void PropagateLink(Document& doc, Integer index) {
  WalkLink(doc, index, [&doc](const linkgates& link) { Carry(doc, link); });
}

void PropStep(Document& doc) {
  auto carry = [&doc](const linkgates& link) { Carry(doc, link); };
  WalkTransferPass(doc, carry);
  for (Integer j = 0; j < kSlotCount; ++j) doc.Gates(j).GetNewOutput();
  for (Integer i = 0; i < kSlotCount; ++i) {
    const linkgates& link = doc.Links(i);
    if (link.GetUsed() && link.StopIsNode) WalkLink(doc, i, carry);
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
