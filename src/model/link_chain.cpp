#include "model/link_chain.h"

#include <algorithm>
#include <array>

namespace tessara {
namespace {

bool EndsAtNode(const linkgates& s, Integer node) {
  return (s.StartIsNode && s.StartIndex == node) || (s.StopIsNode && s.StopIndex == node);
}

}  // namespace

LinkChain ChainOf(const Document& doc, Integer link) {
  LinkChain chain;
  if (!doc.Links(link).GetUsed()) return chain;
  std::array<bool, kSlotCount> inChain{}, nodeSeen{};
  auto take = [&](Integer j) {
    inChain[static_cast<std::size_t>(j)] = true;
    chain.links.push_back(j);
  };
  take(link);
  // chain.links grows while it is walked: each new node end brings in its segments.
  for (std::size_t k = 0; k < chain.links.size(); ++k) {
    const linkgates& s = doc.Links(chain.links[k]);
    for (auto [isNode, node] : {std::pair{s.StartIsNode, s.StartIndex}, {s.StopIsNode, s.StopIndex}}) {
      if (!isNode || nodeSeen[static_cast<std::size_t>(node)]) continue;
      nodeSeen[static_cast<std::size_t>(node)] = true;
      if (doc.Gates(node).GetType() == kBufferGate) chain.nodes.push_back(node);
      for (Integer j = 0; j < kSlotCount; ++j) {
        const linkgates& other = doc.Links(j);
        if (other.GetUsed() && !inChain[static_cast<std::size_t>(j)] && EndsAtNode(other, node)) take(j);
      }
    }
  }
  std::sort(chain.links.begin(), chain.links.end());
  std::sort(chain.nodes.begin(), chain.nodes.end());
  return chain;
}

void FreeChainsAt(Document& doc, Integer slot) {
  for (Integer j = 0; j < kSlotCount; ++j) {
    const linkgates& s = doc.Links(j);
    if (!s.GetUsed() || (s.StartIndex != slot && s.StopIndex != slot)) continue;
    const LinkChain chain = ChainOf(doc, j);
    for (Integer k : chain.links) doc.Links(k).SetUsed(false);
    for (Integer n : chain.nodes) doc.Gates(n).SetUsed(false);
  }
}

}  // namespace tessara
