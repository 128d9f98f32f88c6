// The warnings of `check` as the canvas marks them: what each is about, and where.
#include "io/circuit_warnings.h"

#include <gtest/gtest.h>

#include <tuple>

#include "circuits.h"

namespace tessara {
namespace {

TEST(CircuitWarning, NamesTheGateInputPlaceOrLinkItIsAboutForEachKindOfProblem) {
  Document doc;
  testing::PutEveryWarning(doc);
  using P = Problem;
  const std::tuple<Problem, std::int16_t, int, std::int16_t> expected[] = {
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
