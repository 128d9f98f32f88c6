// Where each warning of `check` is marked on the canvas, and the words it says there.
#include "io/circuit_warnings.h"
#include "io/learner_words.h"
#include "model/cell.h"
#include "model/kinds.h"
#include "view/display.h"

namespace tessara {
namespace {

constexpr float kRingRadius = 90;    // twips, 6 pixels
constexpr float kOutlineGap = 45;    // a node's dashed outline around its marker
constexpr float kOutlineWider = 45;  // the solid outline around the dashed one's box

ProblemMark Ring(std::optional<TwipsXY> at, const Gate& fallback) {
  const TwipsXY p = at.value_or(TwipsXY{fallback.GetX(), fallback.GetY()});
  constexpr float kSide = 2 * kRingRadius;
  return {MarkShape::Ring, p.x - kRingRadius, p.y - kRingRadius, kSide, kSide, {}};
}

// The box a gate stands in: its cell, or a node's marker with a gap around it.
ProblemMark Around(const Gate& g, MarkShape shape) {
  if (HasRole(g, KindRole::Node)) {
    constexpr float kSide = kNodeMarkerSize + 2 * kOutlineGap;
    return {shape, g.GetX() - kOutlineGap, g.GetY() - kOutlineGap, kSide, kSide, {}};
  }
  return {shape, g.GetX(), g.GetY(), kCellSize, kCellSize, {}};
}

ProblemMark Place(const Document& doc, const CircuitWarning& w) {
  const Gate& g = doc.Gates(w.gate);
  switch (w.problem) {
    case Problem::InputNotLinked:
    case Problem::InputLinkedTwice:
      return Ring(InputPlacePoint(g, w.input), g);
    case Problem::DrivesNothing:
      return Around(g, MarkShape::DashedOutline);
    case Problem::BadOrientation: {
      ProblemMark mark = Around(g, MarkShape::Outline);
      mark.left -= kOutlineWider, mark.top -= kOutlineWider;
      mark.width += 2 * kOutlineWider, mark.height += 2 * kOutlineWider;
      return mark;
    }
    case Problem::StartsAtEmptySlot:
    case Problem::StartNotANode:
      return Ring(LineStart(doc, w.link), g);
    case Problem::EndsAtEmptySlot:
    case Problem::EndNotANode:
      break;
  }
  return Ring(LineStop(doc, w.link), g);
}

// A gate's problem in the learner's words ("AND g1: its lower input is not linked");
// check's own words for the rest, which name links and slots of the file.
Phrase Text(const Document& doc, CircuitWarning& w) {
  const std::string gate = w.gate >= 0 ? LearnerGateName(doc, w.gate) : std::string();
  switch (w.problem) {
    case Problem::InputNotLinked:
      return Words(kWarningContext, TESSARA_PHRASE("Warnings", "%1: its %2 is not linked"), gate,
                   InputPlace(doc, w.gate, w.input));
    case Problem::InputLinkedTwice:
      return Words(kWarningContext,
                   TESSARA_PHRASE("Warnings", "%1: its %2 is linked more than once"), gate,
                   InputPlace(doc, w.gate, w.input));
    case Problem::DrivesNothing:
      return Words(kWarningContext, TESSARA_PHRASE("Warnings", "%1: its output drives nothing"),
                   gate);
    default:
      return std::move(w.text);
  }
}

}  // namespace

std::vector<ProblemMark> FindProblemMarks(const Document& doc) {
  std::vector<ProblemMark> marks;
  for (CircuitWarning& warning : FindWarnings(doc)) {
    ProblemMark& mark = marks.emplace_back(Place(doc, warning));
    mark.text = Text(doc, warning);
  }
  return marks;
}

}  // namespace tessara
