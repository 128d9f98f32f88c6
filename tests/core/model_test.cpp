#include <gtest/gtest.h>

#include "circuit_builder.h"

namespace tessara {
namespace {

struct LogicRow {
  Long code;
  Boolean in0, in1, out;
};

// One-input kinds store every input number in input 0, so in1 is the last value set.
const LogicRow kTruthTables[] = {
    {kAndGate, 0, 0, 0},  {kAndGate, 0, 1, 0},  {kAndGate, 1, 0, 0},  {kAndGate, 1, 1, 1},
    {kOrGate, 0, 0, 0},   {kOrGate, 0, 1, 1},   {kOrGate, 1, 0, 1},   {kOrGate, 1, 1, 1},
    {kNandGate, 0, 0, 1}, {kNandGate, 0, 1, 1}, {kNandGate, 1, 0, 1}, {kNandGate, 1, 1, 0},
    {kNorGate, 0, 0, 1},  {kNorGate, 0, 1, 0},  {kNorGate, 1, 0, 0},  {kNorGate, 1, 1, 0},
    {kXorGate, 0, 0, 0},  {kXorGate, 0, 1, 1},  {kXorGate, 1, 0, 1},  {kXorGate, 1, 1, 0},
    {kNotGate, 1, 0, 1},  {kNotGate, 0, 1, 0},  {kInputGate, 0, 1, 1}, {kOutputGate, 0, 1, 1},
    {kBufferGate, 1, 0, 0}, {kNoGate, 1, 1, 0}};

TEST(Gate, OutputFollowsItsKindsTruthTable) {
  for (const LogicRow& row : kTruthTables) {
    auto g = MakeGate(row.code);
    g->SetInputValue(0, row.in0);
    g->SetInputValue(1, row.in1);
    EXPECT_EQ(g->GetNewOutput(), row.out) << row.code << ": " << row.in0 << row.in1;
    EXPECT_EQ(g->GetCurrOutput(), row.out) << row.code << ": " << row.in0 << row.in1;
  }
}

TEST(Gate, OnlyKnownCodesMakeGatesAndEachStartsUnusedLowAndUnplaced) {
  for (Long code : {kNoGate, kAndGate, kOrGate, kNotGate, kInputGate, kOutputGate, kBufferGate,
                    kNandGate, kNorGate, kXorGate}) {
    auto g = MakeGate(code);
    EXPECT_EQ(g->GetType(), code);
    EXPECT_FALSE(g->GetCurrOutput() || g->GetUsed()) << code;
    EXPECT_EQ(g->GetOrientation() + g->GetX() + g->GetY(), 0) << code;
  }
  for (Long code : {-1, 1, 11, 12}) EXPECT_EQ(MakeGate(code), nullptr) << code;
}

TEST(Gate, OutputChangesOnlyWhenEvaluatedAndTwoInputKindsIgnoreOtherInputNumbers) {
  auto inverter = MakeGate(kNotGate);
  inverter->GetNewOutput();
  inverter->SetInputValue(0, true);
  inverter->ReadData(100, 200, true, 1);
  EXPECT_TRUE(inverter->GetCurrOutput());
  EXPECT_FALSE(inverter->GetNewOutput());

  auto andGate = MakeGate(kAndGate);
  andGate->SetInputValue(0, true);
  for (Integer num : {2, 3, -1, 32767}) andGate->SetInputValue(num, true);
  EXPECT_FALSE(andGate->GetNewOutput());
}

TEST(Gate, InputPinsLieAtTheKindsOffsets) {
  const struct {
    Long code;
    Integer num;
    Single offset;
  } rows[] = {{kAndGate, 0, 150},   {kAndGate, 1, 600},    {kXorGate, 5, 600},
              {kNotGate, 0, 400},   {kNotGate, 1, 400},    {kOutputGate, 1, 400},
              {kInputGate, 0, 0},   {kBufferGate, 3, 10},  {kNoGate, 1, 0}};
  for (const auto& row : rows) {
    EXPECT_EQ(MakeGate(row.code)->GetInputOffset(row.num), row.offset) << row.code << " input " << row.num;
  }
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
}

TEST(Document, SetObjectKeepsGatesBetweenTheColumns) {
  const struct {
    Long code;
    Single x, y, storedX;
  } rows[] = {{kAndGate, 799.5f, 100, 800}, {kAndGate, 800, 100, 800},     {kAndGate, 7400, 100, 7400},
              {kAndGate, 7500, 100, 7400},  {kAndGate, 3000, -300, 3000},  {kInputGate, 3000, 100, 0},
              {kOutputGate, 300, 100, 8200}, {kOutputGate, 9000, 100, 8200}};
  for (const auto& row : rows) {
    Document doc;
    doc.PutGate(0, MakeGate(row.code));
    doc.SetObject(0, row.x, row.y);
    EXPECT_EQ(doc.Gates(0).GetX(), row.storedX) << "kind " << row.code << " at " << row.x;
    EXPECT_EQ(doc.Gates(0).GetY(), row.y);
  }
}

TEST(Document, ResetEmptiesEverySlotAndSwitchesPowerOff) {
  Document doc;
  testing::CircuitBuilder build(doc);
  build.Link(build.Gate(kInputGate), build.Gate(kOutputGate), 0, 2);
  doc.CurrentTool = kNorGate;
  doc.PowerOn = true;
  doc.Reset();
  for (Integer i = 0; i < kSlotCount; ++i) {
    EXPECT_EQ(doc.Gates(i).GetType(), kNoGate);
    EXPECT_FALSE(doc.Gates(i).GetUsed());
    EXPECT_EQ(doc.Links(i), linkgates{});
  }
  EXPECT_EQ(doc.CurrentTool, kSelectTool);
  EXPECT_FALSE(doc.PowerOn);
}

}  // namespace
}  // namespace tessara
