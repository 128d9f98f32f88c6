// Links as the user draws them: a chain of segments from a gate's output through
// nodes to a gate's input. Two segments in use belong to one chain when an end of
// each is flagged as a node end (FromNode, ToNode) at the same gate slot, so
// a chain holds everything joined through its nodes, whatever Next says.
//
// Standard library only. Costs at most one pass over the 51 link slots per node of
// the chain; changes nothing but used flags.
#pragma once

#include <vector>

#include "model/document.h"

namespace tessara {

struct LinkChain {
  std::vector<std::int16_t> links;  // link slots of the chain's segments, ascending
  std::vector<std::int16_t> nodes;  // gate slots of the nodes it bends at, ascending
};

// The chain the segment in link slot `link` belongs to; empty when that segment is
// not in use. Nodes are the node ends that hold a node (type code 7). Requires link
// in 0..50.
LinkChain ChainOf(const Document& doc, std::int16_t link);

// Frees every chain that starts or ends at gate slot `slot`, with the nodes it bends
// at: for a gate, each link drawn to or from it; for a node, the link through it.
// Gates and chains that do not touch the slot stay as they are; the slot's own gate
// is left to the caller. Requires slot in 0..50.
void FreeChainsAt(Document& doc, std::int16_t slot);

}  // namespace tessara
