// The gate kinds and the document's slots.
#include <gtest/gtest.h>
#include "circuit_builder.h"
#include "io/circuit_file.h"

namespace tessara {
namespace {

TEST(Gate, OutputFollowsItsKindsTruthTableOnlyWhenEvaluated) {
  const struct { Long code; Boolean in0, in1, out; } rows[] = {  // one-input kinds keep the last value set
      {kAndGate, 0, 0, 0},  {kAndGate, 0, 1, 0},  {kAndGate, 1, 0, 0},  {kAndGate, 1, 1, 1},
      {kOrGate, 0, 0, 0},   {kOrGate, 0, 1, 1},   {kOrGate, 1, 0, 1},   {kOrGate, 1, 1, 1},
      {kNandGate, 0, 1, 1}, {kNandGate, 1, 0, 1}, {kNandGate, 1, 1, 0}, {kNorGate, 0, 0, 1},
      {kNorGate, 0, 1, 0},  {kNorGate, 1, 0, 0},  {kXorGate, 0, 0, 0},  {kXorGate, 0, 1, 1},
      {kXorGate, 1, 0, 1},  {kXorGate, 1, 1, 0},  {kNotGate, 1, 0, 1},  {kNotGate, 0, 1, 0},
      {kInputGate, 0, 1, 1}, {kOutputGate, 0, 1, 1}, {kBufferGate, 1, 0, 0}, {kNoGate, 1, 1, 0}};
  for (const auto& row : rows) {
    auto g = MakeGate(row.code);
    g->SetInputValue(0, row.in0);
    g->SetInputValue(1, row.in1);
    EXPECT_FALSE(g->GetCurrOutput() || g->GetUsed()) << row.code;
    EXPECT_EQ(g->GetNewOutput(), row.out) << row.code << ": " << row.in0 << row.in1;
    EXPECT_EQ(g->GetCurrOutput(), row.out) << row.code << ": " << row.in0 << row.in1;
  }
  auto andGate = MakeGate(kAndGate);
  andGate->SetInputValue(0, true);
  for (Integer num : {2, 3, -1, 32767}) andGate->SetInputValue(num, true);
  EXPECT_FALSE(andGate->GetNewOutput()) << "input numbers past 1 reach no function";
  for (Long code : {-1, 1, 11, 12}) EXPECT_EQ(MakeGate(code), nullptr) << code;
}

TEST(Document, FreeSlotIsTheLowestUnusedUntilAllFiftyOneAreTaken) {
  Document doc;
  for (Integer i = 0; i < kSlotCount; ++i) {
    ASSERT_EQ(doc.GetFreeGate(), i);
    ASSERT_EQ(doc.GetFreeLink(), i);
    doc.PutGate(i, MakeGate(kNotGate));
    doc.Gates(i).SetUsed(true);
    doc.Links(i).SetUsed(true);
  }
  EXPECT_EQ(doc.GetFreeGate(), std::nullopt);
  EXPECT_EQ(doc.GetFreeLink(), std::nullopt);
  doc.Gates(30).SetUsed(false);
  doc.Gates(7).SetUsed(false);
  EXPECT_EQ(doc.GetFreeGate(), 7);
  doc.PowerOn = true;
  doc.CurrentTool = kNorGate;
  doc.Reset();
  EXPECT_EQ(WriteCircuit(doc), WriteCircuit(Document{}));
  EXPECT_EQ(std::pair(doc.CurrentTool, doc.PowerOn), std::pair(kSelectTool, false));
}

}  // namespace
}  // namespace tessara
