// A prop step: each gate but a node adds one step of delay, a node none, and no value
// races ahead through gates linked in slot order; chains that cycle or name no slot end the walk.
#include "sim/propagation.h"

#include <gtest/gtest.h>

#include "circuits.h"

namespace tessara {
namespace {
using testing::CircuitBuilder;

bool Out(const Document& doc, std::int16_t slot) { return doc.Gates(slot).GetCurrOutput(); }

TEST(Propagation, ToggleFlipsOnlyInputsAtOnceAndEachGateButANodeAddsOneStepOfDelay) {
  Document doc;
  CircuitBuilder build(doc);
  const std::int16_t input = build.Place(kInputGate), not1 = build.Place(kNotGate),
                     not2 = build.Place(kNotGate), output = build.Place(kOutputGate);
  build.Wire(input, not1, 0, 2);
  const std::int16_t node = build.Wire(not1, not2, 0, 1)[0];
  build.Wire(not2, output, 0, 1);
  for (int i = 0; i < 3; ++i) PropStep(doc);  // settled: not1 high, not2 and output low
  for (std::int16_t notAnInput : {not1, not2, std::int16_t{-1}, kSlotCount})
    ToggleInput(doc, notAnInput);
  ToggleInput(doc, input);
  EXPECT_TRUE(Out(doc, input)) << "a toggle flips the input at once";
  EXPECT_TRUE(Out(doc, not1));
  EXPECT_FALSE(Out(doc, not2));
  for (int digits : {0, 10, 11, 11}) {  // not1, not2 and output as the digits after each step
    PropStep(doc);
    EXPECT_EQ(Out(doc, not1) * 100 + Out(doc, not2) * 10 + Out(doc, output), digits);
    EXPECT_EQ(Out(doc, node), Out(doc, not1)) << "a node takes its source's new output at once";
  }
}

TEST(Propagation, ChainsThatCycleStopUnfinishedOrNameSlotsOutsideTheDocumentEndTheWalk) {
  Document doc;
  CircuitBuilder build(doc);
  const std::int16_t input = build.Place(kInputGate), output = build.Place(kOutputGate);
  const std::int16_t node = build.Wire(input, output, 0, 1)[0];
  doc.EditLink(0).Next = 200;
  doc.EditLink(1).Source = -4;
  build.Wire(input, output, 0);
  doc.EditLink(2).SetStop(51, 9);
  const std::int16_t loop =
      build.Place(kBufferGate);  // two segments naming each other through Next
  build.Wire(input, loop, 0);
  build.Wire(loop, loop, 0);
  for (std::int16_t i : {std::int16_t{3}, std::int16_t{4}}) doc.EditLink(i).ToNode = true;
  doc.EditLink(3).Next = 4;
  doc.EditLink(4).Next = 3;
  const std::int16_t unfinished =
      build.Place(kOutputGate);  // the piece after the node still being drawn
  const std::int16_t lastNode = build.Wire(input, unfinished, 0, 1)[0];
  doc.EditLink(6).SetUsed(false);
  ToggleInput(doc, input);
  for (int i = 0; i < 3; ++i) PropStep(doc);
  for (std::int16_t i : {std::int16_t{-1}, std::int16_t{4}, kSlotCount}) PropagateLink(doc, i);
  for (std::int16_t reached : {node, loop, lastNode}) EXPECT_TRUE(Out(doc, reached)) << reached;
  EXPECT_FALSE(Out(doc, output));
  EXPECT_FALSE(Out(doc, unfinished));
}
}  // namespace
}  // namespace tessara
