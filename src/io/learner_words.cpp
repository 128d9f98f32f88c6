#include "io/learner_words.h"

#include "model/kinds.h"

namespace tessara {
namespace {

constexpr const char* kContext = "Words";

bool IsLogic(const Document& doc, std::int16_t slot) {
  const KindFacts* kind = FindKind(doc.Gates(slot).GetType());
  return kind && kind->role == KindRole::Logic;
}

}  // namespace

std::string GateTag(std::int16_t slot) { return "g" + std::to_string(slot); }

std::string LearnerGateName(const Document& doc, std::int16_t slot) {
  if (!IsLogic(doc, slot)) return RowName(SignalRows(doc), slot);
  return std::string(FindKind(doc.Gates(slot).GetType())->signal) + " " + GateTag(slot);
}

std::vector<SignalRow> LearnerRows(std::vector<SignalRow> rows, const Document& doc) {
  for (SignalRow& row : rows) {
    if (IsLogic(doc, row.slot)) row.name = LearnerGateName(doc, row.slot);
  }
  return rows;
}

// Input 0 lies at the upper end of an upright picture and at the left end of one turned
// a quarter either way (artwork/artwork.h).
Phrase InputPlace(const Document& doc, std::int16_t slot, int place) {
  const Gate& g = doc.Gates(slot);
  if (InputCount(g.GetType()) < 2) return Words(kContext, TESSARA_PHRASE("Words", "input"));
  const bool turned = g.GetOrientation() % 2 == 1;
  if (place == 0) {
    return turned ? Words(kContext, TESSARA_PHRASE("Words", "left input"))
                  : Words(kContext, TESSARA_PHRASE("Words", "upper input"));
  }
  return turned ? Words(kContext, TESSARA_PHRASE("Words", "right input"))
                : Words(kContext, TESSARA_PHRASE("Words", "lower input"));
}

}  // namespace tessara
