#include <gtest/gtest.h>

#include "model/gatekinds.h"

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

}  // namespace
}  // namespace tessara
