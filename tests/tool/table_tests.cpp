// Truth tables of the example circuits and of circuits drawn for the test.
#include <gtest/gtest.h>

#include "sim_harness.h"

namespace tessara::tool_test {
namespace {

struct ExampleTable {
  const char* example;
  const char* table;
};

void PrintTo(const ExampleTable& example, std::ostream* os) { *os << example.example; }

class ExampleTableTest : public testing::TestWithParam<ExampleTable> {};

TEST_P(ExampleTableTest, PrintsTheExpectedTable) {
  const SimRun run = RunSim({"table", ExamplePath(GetParam().example)});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, GetParam().table);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ExampleTableTest,
    testing::Values(
        ExampleTable{"half_adder.cir",
                     "I1 I2 | O1 O2\n"
                     "0 0 | 0 0\n"
                     "0 1 | 1 0\n"
                     "1 0 | 1 0\n"
                     "1 1 | 0 1\n"},
        ExampleTable{"full_adder.cir",
                     "I1 I2 I3 | O1 O2\n"
                     "0 0 0 | 0 0\n"
                     "0 0 1 | 1 0\n"
                     "0 1 0 | 1 0\n"
                     "0 1 1 | 0 1\n"
                     "1 0 0 | 1 0\n"
                     "1 0 1 | 0 1\n"
                     "1 1 0 | 0 1\n"
                     "1 1 1 | 1 1\n"},
        // I1 = D0, I2 = D1, I3 = select.
        ExampleTable{"mux2.cir",
                     "I1 I2 I3 | O1\n"
                     "0 0 0 | 0\n"
                     "0 0 1 | 0\n"
                     "0 1 0 | 0\n"
                     "0 1 1 | 1\n"
                     "1 0 0 | 1\n"
                     "1 0 1 | 0\n"
                     "1 1 0 | 1\n"
                     "1 1 1 | 1\n"},
        // I1 = R, I2 = S, O1 = Q, O2 = not Q. From the all-False start with neither
        // set nor reset both NOR gates flip together on every step.
        ExampleTable{"sr_latch_nor.cir",
                     "I1 I2 | O1 O2\n"
                     "0 0 | ~ ~\n"
                     "0 1 | 1 0\n"
                     "1 0 | 0 1\n"
                     "1 1 | 0 0\n"},
        ExampleTable{"ring_oscillator.cir",
                     "| O1\n"
                     "| ~\n"}),
    [](const testing::TestParamInfo<ExampleTable>& info) {
      std::string name = info.param.example;
      return name.substr(0, name.find('.'));
    });

TEST(TruthTable, NumbersInputsAndOutputsTopToBottomWhateverTheirSlots) {
  // The lower input (slot 0) drives the upper output; the upper input the lower one.
  Document doc;
  const Integer lowIn = Place(doc, kInputGate, 0, 3000);
  const Integer highIn = Place(doc, kInputGate, 0, 1000);
  const Integer highOut = Place(doc, kOutputGate, 8200, 1000);
  const Integer lowOut = Place(doc, kOutputGate, 8200, 3000);
  Wire(doc, lowIn, highOut, 0);
  Wire(doc, highIn, lowOut, 0);
  ScratchDir scratch;

  const SimRun run = RunSim({"table", scratch.Save("crossed.cir", doc)});

  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "I1 I2 | O1 O2\n"
            "0 0 | 0 0\n"
            "0 1 | 1 0\n"
            "1 0 | 0 1\n"
            "1 1 | 1 1\n");
}

TEST(TruthTable, RefusesSeventeenInputs) {
  Document doc;
  for (int i = 0; i < 17; ++i) Place(doc, kInputGate, 0, 900.0f * i);
  ScratchDir scratch;
  const std::string path = scratch.Save("wide.cir", doc);

  const SimRun run = RunSim({"table", path});

  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err.rfind(path + ": 17 inputs", 0), 0u) << run.err;
}

}  // namespace
}  // namespace tessara::tool_test
