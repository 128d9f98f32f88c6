#include "model/link_chain.h"

#include <algorithm>
#include <array>
#include <cassert>

namespace tessara {
namespace {

bool EndsAtNode(const linkgates& s, Integer node) {
  return (s.StartIsNode && s.StartIndex == node) || (s.StopIsNode && s.StopIndex == node);
}

}  // namespace

LinkChain ChainOf(const Document& doc, Integer link) {
  assert(IsSlotIndex(link));
  LinkChain chain;
  if (!doc.Links(link).GetUsed()) return chain;
  std::array<bool, kSlotCount> inChain{}, nodeSeen{};
  auto at = [](std::array<bool, kSlotCount>& flags, Integer i) -> bool& {
    return flags[static_cast<std::size_t>(i)];
  };
  auto take = [&](Integer j) {
    at(inChain, j) = true;
    chain.links.push_back(j);
  };
  take(link);
  // chain.links grows while it is walked: each new node end brings in its segments.
  for (std::size_t k = 0; k < chain.links.size(); ++k) {
    const linkgates& s = doc.Links(chain.links[k]);
    for (auto [isNode, node] :
         {std::pair{s.StartIsNode, s.StartIndex}, {s.StopIsNode, s.StopIndex}}) {
      if (!isNode || at(nodeSeen, node)) continue;
      at(nodeSeen, node) = true;
      if (doc.Gates(node).GetType() == kBufferGate) chain.nodes.push_back(node);
      for (Integer j = 0; j < kSlotCount; ++j) {
        const linkgates& other = doc.Links(j);
        if (other.GetUsed() && !at(inChain, j) && EndsAtNode(other, node)) take(j);
      }
    }
  }
  std::sort(chain.links.begin(), chain.links.end());
  std::sort(chain.nodes.begin(), chain.nodes.end());
  return chain;
}

void FreeChainsAt(Document& doc, Integer slot) {
  assert(IsSlotIndex(slot));
  for (Integer j = 0; j < kSlotCount; ++j) {
    const linkgates& s = doc.Links(j);
    if (!s.GetUsed() || (s.StartIndex != slot && s.StopIndex != slot)) continue;
    const LinkChain chain = ChainOf(doc, j);
    for (Integer k : chain.links) doc.Links(k).SetUsed(false);
    for (Integer n : chain.nodes) doc.Gates(n).SetUsed(false);
  }
}

}  // namespace tessara
