#include "io/circuit_warnings.h"

#include <algorithm>
#include <array>

#include "model/cell.h"
#include "model/kinds.h"

namespace tessara {
namespace {

constexpr int kFirstGateLine = 5;
constexpr int kFirstLinkLine = 56;

constexpr const char* kNotLinked = TESSARA_PHRASE("Warnings", "%1 input %2 is not linked");
constexpr const char* kLinkedTwice =
    TESSARA_PHRASE("Warnings", "%1 input %2 is linked more than once");
constexpr const char* kDrivesNothing = TESSARA_PHRASE("Warnings", "%1 drives nothing");
constexpr const char* kBadOrientation =
    TESSARA_PHRASE("Warnings", "%1 has orientation %2, outside 0..3");
constexpr const char* kStartsAtEmpty =
    TESSARA_PHRASE("Warnings", "link %1 starts at empty slot %2");
constexpr const char* kEndsAtEmpty = TESSARA_PHRASE("Warnings", "link %1 ends at empty slot %2");
constexpr const char* kStartNotANode =
    TESSARA_PHRASE("Warnings", "link %1 is marked as starting at a node, but slot %2 holds %3");
constexpr const char* kEndNotANode =
    TESSARA_PHRASE("Warnings", "link %1 is marked as ending at a node, but slot %2 holds %3");

bool Used(const Document& doc, std::int16_t slot) {
  return IsSlotIndex(slot) && doc.Gates(slot).GetUsed();
}

std::string GateName(const Document& doc, std::int16_t slot) {
  return std::string(KindName(doc.Gates(slot).GetType())) + ' ' + std::to_string(slot);
}

void GateWarnings(const Document& doc, std::int16_t s, std::vector<CircuitWarning>& out) {
  const Gate& g = doc.Gates(s);
  std::array<int, 2> landed{};
  bool drives = false;
  for (std::int16_t l = 0; l < kSlotCount; ++l) {
    const Link& link = doc.Links(l);
    if (!link.GetUsed()) continue;
    drives = drives || link.Source == s;
    if (link.Target != s) continue;
    const int input = LandingPlace(g.GetType(), link.TargetInput);
    if (input >= 0) ++landed[static_cast<std::size_t>(input)];
  }
  const std::string name = GateName(doc, s);
  auto add = [&](Problem problem, const char* pattern, std::vector<std::string> args,
                 int input = -1) {
    args.insert(args.begin(), name);
    out.push_back(
        {kFirstGateLine + s, WordsOfNames(kWarningContext, pattern, args), problem, s, input});
  };
  const int inputs = InputCount(g.GetType());
  for (int n = 0; n < inputs; ++n) {
    if (landed[static_cast<std::size_t>(n)] == 0) {
      add(Problem::InputNotLinked, kNotLinked, {std::to_string(n)}, n);
    }
  }
  for (int n = 0; n < inputs; ++n) {
    if (landed[static_cast<std::size_t>(n)] > 1) {
      add(Problem::InputLinkedTwice, kLinkedTwice, {std::to_string(n)}, n);
    }
  }
  if (!drives && !HasRole(g, KindRole::Output)) add(Problem::DrivesNothing, kDrivesNothing, {});
  const std::int32_t o = g.GetOrientation();
  if (!IsOrientation(o)) add(Problem::BadOrientation, kBadOrientation, {std::to_string(o)});
}

void LinkWarnings(const Document& doc, std::int16_t l, std::vector<CircuitWarning>& out) {
  const Link& link = doc.Links(l);
  auto add = [&](Problem problem, std::int16_t slot, const char* pattern,
                 std::vector<std::string> args) {
    args.insert(args.begin(), std::to_string(l));
    out.push_back(
        {kFirstLinkLine + l, WordsOfNames(kWarningContext, pattern, args), problem, slot, -1, l});
  };
  const struct {
    std::int16_t slot;
    bool nodeFlag;
    const char *empty, *notANode;
    Problem emptyProblem, notANodeProblem;
  } ends[] = {{link.Source, link.FromNode, kStartsAtEmpty, kStartNotANode,
               Problem::StartsAtEmptySlot, Problem::StartNotANode},
              {link.Target, link.ToNode, kEndsAtEmpty, kEndNotANode, Problem::EndsAtEmptySlot,
               Problem::EndNotANode}};
  for (const auto& end : ends) {
    if (!Used(doc, end.slot))
      add(end.emptyProblem, end.slot, end.empty, {std::to_string(end.slot)});
  }
  for (auto it = std::rbegin(ends); it != std::rend(ends); ++it) {  // "ending at" comes first
    if (!it->nodeFlag || !Used(doc, it->slot)) continue;
    const Gate& g = doc.Gates(it->slot);
    if (HasRole(g, KindRole::Node)) continue;
    add(it->notANodeProblem, it->slot, it->notANode,
        {std::to_string(it->slot), std::string(KindName(g.GetType()))});
  }
}

}  // namespace

std::vector<CircuitWarning> FindWarnings(const Document& doc) {
  std::vector<CircuitWarning> warnings;
  for (std::int16_t s = 0; s < kSlotCount; ++s) {
    if (doc.Gates(s).GetUsed()) GateWarnings(doc, s, warnings);
  }
  for (std::int16_t l = 0; l < kSlotCount; ++l) {
    if (doc.Links(l).GetUsed()) LinkWarnings(doc, l, warnings);
  }
  return warnings;
}

}  // namespace tessara
