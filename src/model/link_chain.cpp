#include "model/link_chain.h"

#include <algorithm>
#include <array>
#include <cassert>

namespace tessara {
namespace {

bool EndsAtNode(const Link& s, std::int16_t node) {
  return (s.FromNode && s.Source == node) || (s.ToNode && s.Target == node);
}

}  // namespace

LinkChain ChainOf(const Document& doc, std::int16_t link) {
  assert(IsSlotIndex(link));
  LinkChain chain;
  if (!doc.Links(link).GetUsed()) return chain;
  std::array<bool, kSlotCount> inChain{}, nodeSeen{};
  auto at = [](std::array<bool, kSlotCount>& flags, std::int16_t i) -> bool& {
    return flags[static_cast<std::size_t>(i)];
  };
  auto take = [&](std::int16_t j) {
    at(inChain, j) = true;
    chain.links.push_back(j);
  };
  take(link);
  // chain.links grows while it is walked: each new node end brings in its segments.
  for (std::size_t k = 0; k < chain.links.size(); ++k) {
    const Link& s = doc.Links(chain.links[k]);
    for (auto [isNode, node] : {std::pair{s.FromNode, s.Source}, {s.ToNode, s.Target}}) {
      if (!isNode || at(nodeSeen, node)) continue;
      at(nodeSeen, node) = true;
      if (HasRole(doc.Gates(node), KindRole::Node)) chain.nodes.push_back(node);
      for (std::int16_t j = 0; j < kSlotCount; ++j) {
        const Link& other = doc.Links(j);
        if (other.GetUsed() && !at(inChain, j) && EndsAtNode(other, node)) take(j);
      }
    }
  }
  std::sort(chain.links.begin(), chain.links.end());
  std::sort(chain.nodes.begin(), chain.nodes.end());
  return chain;
}

void FreeChainsAt(Document& doc, std::int16_t slot) {
  assert(IsSlotIndex(slot));
  for (std::int16_t j = 0; j < kSlotCount; ++j) {
    const Link& s = doc.Links(j);
    if (!s.GetUsed() || (s.Source != slot && s.Target != slot)) continue;
    const LinkChain chain = ChainOf(doc, j);
    for (std::int16_t k : chain.links) doc.EditLink(k).SetUsed(false);
    for (std::int16_t n : chain.nodes) doc.EditGate(n).SetUsed(false);
  }
}

}  // namespace tessara
