// Power and the one-step propagation of signal values through gates, links and nodes.
//
// A step first carries every gate's current output along every link and only then
// lets every gate compute, so each gate adds exactly one step of delay whatever its
// slot number; updating gates in slot order instead would let a value race through
// several gates in one step. Nodes are the exception: a chain of segments is walked
// from its head at once, so a value crosses any number of nodes without delay.
#pragma once

#include "model/document.h"

namespace tessara {

// One propagation step: the transfer pass over the used links (walking each chain
// that ends at a node), the evaluation pass over all 51 gate slots, then the node
// pass that carries the new outputs through every chain. Ignores PowerOn; links
// naming slots outside the document are skipped.
void PropStep(Document& doc);

// True when propagation follows the link: both its ends name gate slots. Links
// outside the document (possible only in a document built in memory) carry nothing.
inline bool CanCarry(const Link& link) {
  return IsSlotIndex(link.Source) && IsSlotIndex(link.Target);
}

// Carries the output of link index's source to its target; when the target is a
// node, the node takes the value at once and the walk goes on through Next while
// the next segment is in use. One walk visits at most 51 segments, so a cycle of
// Next indices ends. A link whose index, Source, Target or Next lies
// outside 0..50 carries nothing and ends the walk.
void PropagateLink(Document& doc, std::int16_t index);

// The segments PropagateLink(doc, index) carries, in its order: calls carry(link) for
// each, and nothing else. carry may change gates but not links.
template <typename Carry>
void WalkLink(const Document& doc, std::int16_t index, Carry&& carry) {
  for (std::int16_t visited = 0; visited < kSlotCount && IsSlotIndex(index); ++visited) {
    const Link& link = doc.Links(index);
    if (!IsSlotIndex(link.Source) || !IsSlotIndex(link.Target)) return;
    carry(link);
    if (!link.ToNode) return;
    index = link.Next;
    if (!IsSlotIndex(index) || !doc.Links(index).GetUsed()) return;
  }
}

// The segments the transfer pass of PropStep carries, in its order (a segment may come
// several times): WalkLink from every used link slot in increasing order. Every input
// place holds, when the gates compute, the value of the last segment carried to it.
template <typename Carry>
void WalkTransferPass(const Document& doc, Carry&& carry) {
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    if (doc.Links(i).GetUsed()) WalkLink(doc, i, carry);
  }
}

// The input toggle: a circuit input in slot flips its output at once; any other
// kind, and a slot outside 0..50, is left as it is. Ignores PowerOn.
void ToggleInput(Document& doc, std::int16_t slot);

}  // namespace tessara
