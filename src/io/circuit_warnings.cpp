#include "io/circuit_warnings.h"

#include <algorithm>
#include <array>

#include "model/cell.h"
#include "model/kinds.h"

namespace tessara {
namespace {

constexpr int kFirstGateLine = 5;
constexpr int kFirstLinkLine = 56;

int InputCount(Long type) {
  const KindFacts* kind = FindKind(type);
  return kind ? kind->inputs : 0;
}

bool Used(const Document& doc, Integer slot) {
  return IsSlotIndex(slot) && doc.Gates(slot).GetUsed();
}

// The input of the gate in slot that a link with input number num lands on, or -1.
int LandsOn(const Document& doc, Integer slot, Integer num) {
  const int inputs = InputCount(doc.Gates(slot).GetType());
  if (inputs == 1) return 0;
  return inputs == 2 && (num == 0 || num == 1) ? num : -1;
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
    const int input = LandsOn(doc, s, link.Stop_Num);
    if (input >= 0) ++landed[static_cast<std::size_t>(input)];
  }
  const std::string name = Gate(doc, s);
  auto add = [&](const std::string& text) {
    out.push_back({kFirstGateLine + s, name + ' ' + text});
  };
  const int inputs = InputCount(g.GetType());
  for (std::size_t n = 0; n < static_cast<std::size_t>(inputs); ++n) {
    if (landed[n] == 0) add("input " + std::to_string(n) + " is not linked");
  }
  for (std::size_t n = 0; n < static_cast<std::size_t>(inputs); ++n) {
    if (landed[n] > 1) add("input " + std::to_string(n) + " is linked more than once");
  }
  if (!drives && g.GetType() != kOutputGate) add("drives nothing");
  const Long o = g.GetOrientation();
  if (!IsOrientation(o)) add("has orientation " + std::to_string(o) + ", outside 0..3");
}

void LinkWarnings(const Document& doc, Integer l, std::vector<CircuitWarning>& out) {
  const linkgates& link = doc.Links(l);
  auto add = [&](const std::string& text) {
    out.push_back({kFirstLinkLine + l, "link " + std::to_string(l) + ' ' + text});
  };
  const struct {
    Integer slot;
    bool nodeFlag;
    const char* end;     // "starts at" / "ends at"
    const char* marked;  // "starting at" / "ending at"
  } ends[] = {{link.StartIndex, link.StartIsNode, "starts at", "starting at"},
              {link.StopIndex, link.StopIsNode, "ends at", "ending at"}};
  for (const auto& end : ends) {
    if (!Used(doc, end.slot)) add(std::string(end.end) + " empty slot " + std::to_string(end.slot));
  }
  for (auto it = std::rbegin(ends); it != std::rend(ends); ++it) {  // "ending at" comes first
    if (!it->nodeFlag || !Used(doc, it->slot)) continue;
    const Long kind = doc.Gates(it->slot).GetType();
    if (kind == kBufferGate) continue;
    add("is marked as " + std::string(it->marked) + " a node, but slot " +
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
