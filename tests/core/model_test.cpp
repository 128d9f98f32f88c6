#include <gtest/gtest.h>

#include "circuits.h"
#include "io/circuit_file.h"
#include "model/kinds.h"

namespace tessara {
namespace {

TEST(Gate, OutputFollowsItsKindsTruthTableOnlyWhenEvaluated) {
  const std::pair<std::int32_t, const char*> rows[] = {
      // outputs for inputs 00, 01, 10, 11; one-input kinds take the last set
      {kAndGate, "0001"},    {kOrGate, "0111"},  {kNandGate, "1110"},  {kNorGate, "1000"},
      {kXorGate, "0110"},    {kNotGate, "1010"}, {kInputGate, "0101"}, {kOutputGate, "0101"},
      {kBufferGate, "0101"}, {kNoGate, "0000"}};
  for (const auto& [code, outputs] : rows) {
    for (int in = 0; in < 4; ++in) {
      auto g = MakeGate(code);
      g->SetInputValue(0, in >> 1);
      g->SetInputValue(1, in & 1);
      EXPECT_FALSE(g->GetCurrOutput()) << code << " before it is evaluated";
      EXPECT_FALSE(g->GetUsed()) << code;
      EXPECT_EQ(g->GetNewOutput(), outputs[in] == '1') << code << " " << in;
      EXPECT_EQ(g->GetCurrOutput(), outputs[in] == '1') << code << " " << in << " kept";
    }
  }
  auto andGate = MakeGate(kAndGate);
  andGate->SetInputValue(0, true);
  for (std::int16_t num : {std::int16_t{2}, std::int16_t{3}, std::int16_t{-1}, std::int16_t{32767}})
    andGate->SetInputValue(num, true);
  EXPECT_FALSE(andGate->GetNewOutput()) << "input numbers past 1 reach no function";
  for (std::int32_t code : {-1, 1, 11, 12}) EXPECT_EQ(MakeGate(code), nullptr) << code;
}

TEST(Document, FreeSlotIsTheLowestUnusedUntilAllFiftyOneAreTaken) {
  Document doc;
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    ASSERT_EQ(doc.GetFreeGate(), i);
    ASSERT_EQ(doc.GetFreeLink(), i);
    doc.PutGate(i, MakeGate(kNotGate));
    doc.EditGate(i).SetUsed(true);
    doc.EditLink(i).SetUsed(true);
  }
  EXPECT_EQ(doc.GetFreeGate(), std::nullopt);
  EXPECT_EQ(doc.GetFreeLink(), std::nullopt);
  for (std::int16_t slot : {std::int16_t{30}, std::int16_t{7}}) doc.EditGate(slot).SetUsed(false);
  EXPECT_EQ(doc.GetFreeGate(), 7);
  doc.PowerOn = true;
  doc.CurrentTool = kNorGate;
  doc.Reset();
  EXPECT_EQ(WriteCircuit(doc), WriteCircuit(Document{}));
  EXPECT_EQ(doc.CurrentTool, kSelectTool);
  EXPECT_FALSE(doc.PowerOn);
}

}  // namespace
}  // namespace tessara
