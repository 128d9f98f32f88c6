#include "sim/propagation.h"

namespace tessara {
namespace {

// Hands the current output of the link's source to the input it names on its target;
// a node there takes the value on at once.
inline void Carry(Document& doc, const Link& link) {
  const bool v = doc.Gates(link.Source).GetCurrOutput();
  doc.RunGate(link.Target).SetInputValue(link.TargetInput, v);
  if (link.ToNode) doc.RunGate(link.Target).GetNewOutput();
}

}  // namespace

void PropagateLink(Document& doc, std::int16_t index) {
  WalkLink(doc, index, [&doc](const Link& link) { Carry(doc, link); });
}

void PropStep(Document& doc) {
  auto carry = [&doc](const Link& link) { Carry(doc, link); };
  WalkTransferPass(doc, carry);
  for (std::int16_t j = 0; j < kSlotCount; ++j) doc.RunGate(j).GetNewOutput();
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    const Link& link = doc.Links(i);
    if (link.GetUsed() && link.ToNode) WalkLink(doc, i, carry);
  }
}

void ToggleInput(Document& doc, std::int16_t slot) {
  if (!IsSlotIndex(slot)) return;
  Gate& g = doc.RunGate(slot);
  if (!HasRole(g, KindRole::Input)) return;
  g.SetInputValue(0, !g.GetCurrOutput());
  g.GetNewOutput();
}

}  // namespace tessara
