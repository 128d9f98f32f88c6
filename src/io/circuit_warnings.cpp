#include "io/circuit_warnings.h"

#include <algorithm>
#include <array>

#include "model/cell.h"
#include "model/kinds.h"

namespace tessara {
namespace {

constexpr int kFirstGateLine = 5;
constexpr int kFirstLinkLine = 56;

bool Used(const Document& doc, Integer slot) {
  return IsSlotIndex(slot) && doc.Gates(slot).GetUsed();
}

std::string Gate(const Document& doc, Integer slot) {
  return std::string(KindName(doc.Gates(slot).GetType())) + ' ' + std::to_string(slot);
}

void GateWarnings(const Document& doc, Integer s, std::vector<CircuitWarning>& out) {
  const gate& g = doc.Gates(s);
  std::array<int, 2> landed{};
  bool drives = false;
  for (Integer l = 0; l < kSlotCount; ++l) {
    const linkgates& link = doc.Links(l);
    if (!link.GetUsed()) continue;
    drives = drives || link.StartIndex == s;
    if (link.StopIndex != s) continue;
    const int input = LandingPlace(g.GetType(), link.Stop_Num);
    if (input >= 0) ++landed[static_cast<std::size_t>(input)];
  }
  const std::string name = Gate(doc, s);
  auto add = [&](Problem problem, const std::string& text, int input = -1) {
    out.push_back({kFirstGateLine + s, name + ' ' + text, problem, s, input});
  };
  const int inputs = InputCount(g.GetType());
  for (int n = 0; n < inputs; ++n) {
    if (landed[static_cast<std::size_t>(n)] == 0) {
      add(Problem::InputNotLinked, "input " + std::to_string(n) + " is not linked", n);
    }
  }
  for (int n = 0; n < inputs; ++n) {
    if (landed[static_cast<std::size_t>(n)] > 1) {
      add(Problem::InputLinkedTwice, "input " + std::to_string(n) + " is linked more than once", n);
    }
  }
  if (!drives && g.GetType() != kOutputGate) add(Problem::DrivesNothing, "drives nothing");
  const Long o = g.GetOrientation();
  if (!IsOrientation(o)) {
    add(Problem::BadOrientation, "has orientation " + std::to_string(o) + ", outside 0..3");
  }
}

void LinkWarnings(const Document& doc, Integer l, std::vector<CircuitWarning>& out) {
  const linkgates& link = doc.Links(l);
  auto add = [&](Problem problem, Integer slot, const std::string& text) {
    out.push_back(
        {kFirstLinkLine + l, "link " + std::to_string(l) + ' ' + text, problem, slot, -1, l});
  };
  const struct {
    Integer slot;
    bool nodeFlag;
    const char* end;     // "starts at" / "ends at"
    const char* marked;  // "starting at" / "ending at"
    Problem empty, notANode;
  } ends[] = {{link.StartIndex, link.StartIsNode, "starts at", "starting at",
               Problem::StartsAtEmptySlot, Problem::StartNotANode},
              {link.StopIndex, link.StopIsNode, "ends at", "ending at", Problem::EndsAtEmptySlot,
               Problem::EndNotANode}};
  for (const auto& end : ends) {
    if (!Used(doc, end.slot)) {
      add(end.empty, end.slot, std::string(end.end) + " empty slot " + std::to_string(end.slot));
    }
  }
  for (auto it = std::rbegin(ends); it != std::rend(ends); ++it) {  // "ending at" comes first
    if (!it->nodeFlag || !Used(doc, it->slot)) continue;
    const Long kind = doc.Gates(it->slot).GetType();
    if (kind == kBufferGate) continue;
    add(it->notANode, it->slot,
        "is marked as " + std::string(it->marked) + " a node, but slot " +
            std::to_string(it->slot) + " holds " + std::string(KindName(kind)));
  }
}

}  // namespace

std::vector<CircuitWarning> FindWarnings(const Document& doc) {
  std::vector<CircuitWarning> warnings;
  for (Integer s = 0; s < kSlotCount; ++s) {
    if (doc.Gates(s).GetUsed()) GateWarnings(doc, s, warnings);
  }
  for (Integer l = 0; l < kSlotCount; ++l) {
    if (doc.Links(l).GetUsed()) LinkWarnings(doc, l, warnings);
  }
  return warnings;
}

}  // namespace tessara
