#include <gtest/gtest.h>

#include "model/gatekinds.h"

namespace tessara {
namespace {

constexpr Long kAllKinds[] = {kAndGate, kOrGate,     kNotGate,    kInputGate, kOutputGate,
                              kBufferGate, kNandGate, kNorGate, kXorGate};

struct LogicRow {
  Long code;
  Boolean in0, in1, out;
};

class GateLogic : public ::testing::TestWithParam<LogicRow> {};

TEST_P(GateLogic, OutputFollowsTruthTable) {
  const LogicRow& row = GetParam();
  auto g = MakeGate(row.code);
  g->SetInputValue(0, row.in0);
  g->SetInputValue(1, row.in1);
  EXPECT_EQ(g->GetNewOutput(), row.out);
  EXPECT_EQ(g->GetCurrOutput(), row.out);
}

// One-input kinds store every input number in input 0, so in1 is the last value set.
INSTANTIATE_TEST_SUITE_P(EveryKind, GateLogic, ::testing::Values(
    LogicRow{kAndGate, 0, 0, 0}, LogicRow{kAndGate, 0, 1, 0}, LogicRow{kAndGate, 1, 0, 0}, LogicRow{kAndGate, 1, 1, 1},
    LogicRow{kOrGate, 0, 0, 0}, LogicRow{kOrGate, 0, 1, 1}, LogicRow{kOrGate, 1, 0, 1}, LogicRow{kOrGate, 1, 1, 1},
    LogicRow{kNandGate, 0, 0, 1}, LogicRow{kNandGate, 0, 1, 1}, LogicRow{kNandGate, 1, 0, 1}, LogicRow{kNandGate, 1, 1, 0},
    LogicRow{kNorGate, 0, 0, 1}, LogicRow{kNorGate, 0, 1, 0}, LogicRow{kNorGate, 1, 0, 0}, LogicRow{kNorGate, 1, 1, 0},
    LogicRow{kXorGate, 0, 0, 0}, LogicRow{kXorGate, 0, 1, 1}, LogicRow{kXorGate, 1, 0, 1}, LogicRow{kXorGate, 1, 1, 0},
    LogicRow{kNotGate, 1, 0, 1}, LogicRow{kNotGate, 0, 1, 0},
    LogicRow{kInputGate, 0, 1, 1}, LogicRow{kOutputGate, 0, 1, 1}, LogicRow{kBufferGate, 1, 0, 0},
    LogicRow{kNoGate, 1, 1, 0}));

TEST(Gate, NewGateIsUnplacedUnusedAndLow) {
  for (Long code : kAllKinds) {
    auto g = MakeGate(code);
    EXPECT_EQ(g->GetType(), code);
    EXPECT_FALSE(g->GetCurrOutput());
    EXPECT_FALSE(g->GetUsed());
    EXPECT_EQ(g->GetOrientation(), 0);
    EXPECT_EQ(g->GetX(), 0);
    EXPECT_EQ(g->GetY(), 0);
  }
}

TEST(Gate, OutputChangesOnlyWhenEvaluated) {
  auto g = MakeGate(kNotGate);
  EXPECT_FALSE(g->GetCurrOutput());
  EXPECT_TRUE(g->GetNewOutput());
  g->SetInputValue(0, true);
  EXPECT_TRUE(g->GetCurrOutput());
  g->ReadData(100, 200, true, 1);
  EXPECT_TRUE(g->GetCurrOutput());
  EXPECT_FALSE(g->GetNewOutput());
}

TEST(Gate, TwoInputKindsIgnoreInputNumbersOutsideZeroToTwo) {
  auto g = MakeGate(kAndGate);
  g->SetInputValue(0, true);
  for (Integer num : {Integer{2}, Integer{3}, Integer{-1}, Integer{32767}}) g->SetInputValue(num, true);
  EXPECT_FALSE(g->GetNewOutput());
}

struct OffsetRow {
  Long code;
  Integer num;
  Single offset;
};

TEST(Gate, InputPinsLieAtTheKindsOffsets) {
  for (const OffsetRow& row : {OffsetRow{kAndGate, 0, 150}, OffsetRow{kAndGate, 1, 600}, OffsetRow{kXorGate, 5, 600},
                               OffsetRow{kNotGate, 0, 400}, OffsetRow{kNotGate, 1, 400}, OffsetRow{kOutputGate, 1, 400},
                               OffsetRow{kInputGate, 0, 0}, OffsetRow{kBufferGate, 3, 10}, OffsetRow{kNoGate, 1, 0}}) {
    EXPECT_EQ(MakeGate(row.code)->GetInputOffset(row.num), row.offset) << row.code << " input " << row.num;
  }
}

TEST(Gate, CircuitInputsAndOutputsKeepTheirColumns) {
  auto input = MakeGate(kInputGate);
  auto output = MakeGate(kOutputGate);
  input->SetLocation(3000, 700);
  output->SetLocation(100, 900);
  EXPECT_EQ(input->GetX(), 0);
  EXPECT_EQ(input->GetY(), 700);
  EXPECT_EQ(output->GetX(), 8200);
  EXPECT_EQ(output->GetY(), 900);
  output->ReadData(5000, 900, true, 2);  // a file's position is taken as it stands
  EXPECT_EQ(output->GetX(), 5000);
  input->ReadData(3000, 700, true, 0);
  EXPECT_EQ(input->GetX(), 0);
}

TEST(Gate, EmptySlotIgnoresEverySetterButUsed) {
  auto g = MakeGate(kNoGate);
  g->SetLocation(1000, 1000);
  g->SetInputValue(0, true);
  g->ReadData(1000, 1000, true, 2);
  g->SetOrientation(1);
  EXPECT_FALSE(g->GetNewOutput());
  EXPECT_EQ(g->GetX() + g->GetY() + g->GetInputOffset(0), 0);
  EXPECT_EQ(g->GetOrientation() + g->GetType(), 0);
  EXPECT_FALSE(g->GetUsed());
  g->SetUsed(true);
  EXPECT_TRUE(g->GetUsed());
}

TEST(Gate, OnlyKnownCodesMakeGates) {
  for (Long code : {-1, 1, 11, 12}) EXPECT_EQ(MakeGate(code), nullptr) << code;
}

}  // namespace
}  // namespace tessara
