// The warnings of `check` as the canvas marks them: what each is about, and where.
#include "io/circuit_warnings.h"

#include <gtest/gtest.h>

#include <tuple>

#include "circuits.h"

namespace tessara {
namespace {
using testing::PutGate;
using testing::PutLink;

TEST(CircuitWarning, NamesTheGateInputPlaceOrLinkItIsAboutForEachKindOfProblem) {
  Document doc;
  PutGate(doc, 0, kInputGate, 0, 1000);
  PutGate(doc, 1, kAndGate, 2000, 1000, 5);
  PutGate(doc, 2, kOutputGate, 8200, 1000);
  PutGate(doc, 3, kNorGate, 4000, 3000);
  PutGate(doc, 7, kNotGate, 4000, 5000);
  PutLink(doc, 0, 0, 1);
  PutLink(doc, 1, 0, 1);
  PutLink(doc, 2, 1, 2).StopIsNode = true;
  PutLink(doc, 3, 5, 3, 1);
  PutLink(doc, 4, 3, 6);
  PutLink(doc, 5, 0, 7).StartIsNode = true;
  using P = Problem;
  const std::tuple<Problem, Integer, int, Integer> expected[] = {
      {P::InputNotLinked, 1, 1, -1},    {P::InputLinkedTwice, 1, 0, -1},
      {P::BadOrientation, 1, -1, -1},   {P::InputNotLinked, 3, 0, -1},
      {P::DrivesNothing, 7, -1, -1},    {P::EndNotANode, 2, -1, 2},
      {P::StartsAtEmptySlot, 5, -1, 3}, {P::EndsAtEmptySlot, 6, -1, 4},
      {P::StartNotANode, 0, -1, 5},
  };
  const std::vector<CircuitWarning> warnings = FindWarnings(doc);
  ASSERT_EQ(warnings.size(), std::size(expected));
  for (std::size_t i = 0; i < warnings.size(); ++i) {
    const CircuitWarning& w = warnings[i];
    EXPECT_EQ(std::tuple(w.problem, w.gate, w.input, w.link), expected[i]) << w.text.English();
  }
}

}  // namespace
}  // namespace tessara
