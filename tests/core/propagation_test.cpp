// A prop step: each gate but a node adds one step of delay, a node none, and no value
// races ahead through gates linked in slot order; chains that cycle or name no slot end the walk.
#include "sim/propagation.h"

#include <gtest/gtest.h>

#include "circuits.h"

namespace tessara {
namespace {
using testing::CircuitBuilder;

Boolean Out(const Document& doc, Integer slot) { return doc.Gates(slot).GetCurrOutput(); }

TEST(Propagation, ToggleFlipsOnlyInputsAtOnceAndEachGateButANodeAddsOneStepOfDelay) {
  Document doc;
  CircuitBuilder build(doc);
  const Integer input = build.Gate(kInputGate), not1 = build.Gate(kNotGate),
                not2 = build.Gate(kNotGate), output = build.Gate(kOutputGate);
  build.Link(input, not1, 0, 2);
  const Integer node = build.Link(not1, not2, 0, 1)[0];
  build.Link(not2, output, 0, 1);
  for (int i = 0; i < 3; ++i) PropStep(doc);  // settled: not1 high, not2 and output low
  for (Integer notAnInput : {not1, not2, Integer{-1}, kSlotCount}) ToggleInput(doc, notAnInput);
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
  const Integer input = build.Gate(kInputGate), output = build.Gate(kOutputGate);
  const Integer node = build.Link(input, output, 0, 1)[0];
  doc.Links(0).LinkTo = 200;
  doc.Links(1).StartIndex = -4;
  build.Link(input, output, 0);
  doc.Links(2).SetStop(51, 9);
  const Integer loop = build.Gate(kBufferGate);  // two segments naming each other through LinkTo
  build.Link(input, loop, 0);
  build.Link(loop, loop, 0);
  for (Integer i : {Integer{3}, Integer{4}}) doc.Links(i).StopIsNode = true;
  doc.Links(3).LinkTo = 4;
  doc.Links(4).LinkTo = 3;
  const Integer unfinished = build.Gate(kOutputGate);  // the piece after the node still being drawn
  const Integer lastNode = build.Link(input, unfinished, 0, 1)[0];
  doc.Links(6).SetUsed(false);
  ToggleInput(doc, input);
  for (int i = 0; i < 3; ++i) PropStep(doc);
  for (Integer i : {Integer{-1}, Integer{4}, kSlotCount}) PropagateLink(doc, i);
  for (Integer reached : {node, loop, lastNode}) EXPECT_TRUE(Out(doc, reached)) << reached;
  EXPECT_FALSE(Out(doc, output));
  EXPECT_FALSE(Out(doc, unfinished));
}
}  // namespace
}  // namespace tessara
