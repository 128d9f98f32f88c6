#include <gtest/gtest.h>

#include <algorithm>

#include "circuits.h"
#include "io/circuit_file.h"
#include "model/kinds.h"
#include "sim/explanation.h"
#include "sim/output_formulas.h"
#include "sim/propagation.h"

namespace tessara {
namespace {

// The kinds with XNOR added: a kind in no palette and no file is one row.
constexpr auto kWithXnor = [] {
  std::array<KindFacts, kKinds.size() + 1> kinds{};
  std::copy(kKinds.begin(), kKinds.end(), kinds.begin());
  kinds.back() = {.code = 12,
                  .word = "xnor",
                  .signal = "XNOR",
                  .inputs = 2,
                  .truth = 0b1001,
                  .controlling = std::nullopt,
                  .pins = {150, 600},
                  .column = std::nullopt,
                  .keepsColumn = false,
                  .role = KindRole::Logic,
                  .summaryPlace = 7};
  return kinds;
}();
static_assert(kinds_check::RowsAgree(kWithXnor));

TEST(Gate, OutputFollowsItsKindsTruthTableOnlyWhenEvaluated) {
  // outputs for inputs 00, 01, 10, 11, in kWithXnor's order; one-input kinds take the last set
  const char* outputs[] = {"0001", "0111", "1010", "0101", "0101",
                           "0101", "1110", "1000", "0110", "1001"};
  for (std::size_t k = 0; k < kWithXnor.size(); ++k) {
    for (int in = 0; in < 4; ++in) {
      auto g = MakeGate(kWithXnor[k]);
      g->SetInputValue(0, in >> 1);
      g->SetInputValue(1, in & 1);
      EXPECT_FALSE(g->GetCurrOutput()) << kWithXnor[k].word << " before it is evaluated";
      EXPECT_FALSE(g->GetUsed()) << kWithXnor[k].word;
      EXPECT_EQ(g->GetNewOutput(), outputs[k][in] == '1') << kWithXnor[k].word << " " << in;
      EXPECT_EQ(g->GetCurrOutput(), outputs[k][in] == '1') << kWithXnor[k].word << " " << in;
    }
  }
  EXPECT_FALSE(MakeGate(kNoGate)->GetNewOutput());
  auto andGate = MakeGate(kAndGate);
  andGate->SetInputValue(0, true);
  for (std::int16_t num : {std::int16_t{2}, std::int16_t{3}, std::int16_t{-1}, std::int16_t{32767}})
    andGate->SetInputValue(num, true);
  EXPECT_FALSE(andGate->GetNewOutput()) << "input numbers past 1 reach no function";
  for (std::int32_t code : {-1, 1, 11, 12}) EXPECT_EQ(MakeGate(code), nullptr) << code;
}

// XNOR 2 of I1 0 and I2 1 into O1 3: from its row alone it is named, explained (both
// inputs decide, whatever they hold) and written as a formula.
TEST(Gate, OfAKindOnlyARowDescribesIsExplainedAndWrittenAsAFormula) {
  Document doc;
  testing::PutGate(doc, 0, kInputGate, 0, 1000), testing::PutGate(doc, 1, kInputGate, 0, 2000);
  doc.PutGate(2, MakeGate(kWithXnor.back())), doc.Gates(2).ReadData(3000, 1000, true, 0);
  testing::PutGate(doc, 3, kOutputGate, 8200, 1000);
  testing::PutLink(doc, 0, 0, 2), testing::PutLink(doc, 1, 1, 2, 1), testing::PutLink(doc, 2, 2, 3);
  RunHistory history(8);
  history.Start(CaptureState(doc));
  PropStep(doc), history.Record(CaptureState(doc), StepCause::Prop);
  ToggleInput(doc, 0), history.Record(CaptureState(doc), StepCause::Toggle, 0);
  PropStep(doc), history.Record(CaptureState(doc), StepCause::Prop);
  const Explanation why = Explain(doc, history, 2, 3);
  ASSERT_FALSE(why.events.empty());
  EXPECT_EQ(why.events[0].step, 3u);
  EXPECT_EQ(why.events[0].inputs.size(), 2u) << "I1 = 1, I2 = 0";
  EXPECT_EQ(OutputFormulas(doc).at(0).text, "I1 XNOR I2");
}

TEST(Document, FreeSlotIsTheLowestUnusedUntilAllFiftyOneAreTaken) {
  Document doc;
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    ASSERT_EQ(doc.GetFreeGate(), i);
    ASSERT_EQ(doc.GetFreeLink(), i);
    doc.PutGate(i, MakeGate(kNotGate));
    doc.Gates(i).SetUsed(true);
    doc.Links(i).SetUsed(true);
  }
  EXPECT_EQ(doc.GetFreeGate(), std::nullopt);
  EXPECT_EQ(doc.GetFreeLink(), std::nullopt);
  for (std::int16_t slot : {std::int16_t{30}, std::int16_t{7}}) doc.Gates(slot).SetUsed(false);
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
