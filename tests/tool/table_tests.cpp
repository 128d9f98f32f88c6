// Truth tables, traces and summaries of the example circuits and of circuits drawn for
// the test.
#include <gtest/gtest.h>

#include "sim_harness.h"

namespace tessara::tool_test {
namespace {

TEST(TruthTable, OfEachExampleIsItsCircuitsFunction) {
  const struct {
    const char* example;
    const char* table;
  } rows[] = {
      {"half_adder.cir", "I1 I2 | O1 O2\n0 0 | 0 0\n0 1 | 1 0\n1 0 | 1 0\n1 1 | 0 1\n"},
      {"full_adder.cir",
       "I1 I2 I3 | O1 O2\n0 0 0 | 0 0\n0 0 1 | 1 0\n0 1 0 | 1 0\n0 1 1 | 0 1\n"
       "1 0 0 | 1 0\n1 0 1 | 0 1\n1 1 0 | 0 1\n1 1 1 | 1 1\n"},
      // I1 = D0, I2 = D1, I3 = select.
      {"mux2.cir",
       "I1 I2 I3 | O1\n0 0 0 | 0\n0 0 1 | 0\n0 1 0 | 0\n0 1 1 | 1\n1 0 0 | 1\n1 0 1 | 0\n1 1 0 | 1\n1 1 1 | 1\n"},
      // I1 = R, I2 = S, O1 = Q, O2 = not Q. From the all-False start with neither set
      // nor reset both NOR gates flip together on every step.
      {"sr_latch_nor.cir", "I1 I2 | O1 O2\n0 0 | ~ ~\n0 1 | 1 0\n1 0 | 0 1\n1 1 | 0 0\n"},
      {"ring_oscillator.cir", "| O1\n| ~\n"}};
  for (const auto& row : rows) {
    const SimRun run = RunSim({"table", ExamplePath(row.example)});
    EXPECT_EQ(run.exitCode, 0) << row.example << ": " << run.err;
    EXPECT_EQ(run.out, row.table) << row.example;
  }
}

TEST(TruthTable, NumbersInputsAndOutputsTopToBottomWhateverTheirSlots) {
  // The lower input (slot 0) drives the upper output; the upper input the lower one.
  Document doc;
  PutGate(doc, 0, kInputGate, 0, 3000);
  PutGate(doc, 1, kInputGate, 0, 1000);
  PutGate(doc, 2, kOutputGate, 8200, 1000);
  PutGate(doc, 3, kOutputGate, 8200, 3000);
  PutLink(doc, 0, 0, 2);
  PutLink(doc, 1, 1, 3);
  TempFolder folder;
  const SimRun run = RunSim({"table", Save(folder, "crossed.cir", doc)});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "I1 I2 | O1 O2\n0 0 | 0 0\n0 1 | 1 0\n1 0 | 0 1\n1 1 | 1 1\n");
}

TEST(Check, SummarisesTheUsedSlotsWithCountsOfOneSingular) {
  Document doc;
  PutGate(doc, 0, kInputGate, 0, 1200);
  PutGate(doc, 1, kNotGate, 2000, 1200);
  PutGate(doc, 2, kOutputGate, 8200, 1200);
  PutGate(doc, 3, kBufferGate, 3000, 3000);
  PutLink(doc, 0, 0, 1);
  TempFolder folder;
  const std::string one = Save(folder, "one.cir", doc), halfAdder = ExamplePath("half_adder.cir");
  EXPECT_EQ(RunSim({"check", one}).out.rfind(one + ": 1 gate (1 not), 1 input, 1 output, 1 node, 1 link\n", 0), 0u);
  const SimRun run = RunSim({"check", halfAdder});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, halfAdder + ": 2 gates (1 and, 1 xor), 2 inputs, 2 outputs, 4 nodes, 10 links\n");
}

TEST(Trace, PrintsTheSlotsThenOneLinePerToggleAndPerStep) {
  // An input in slot 0 driving a NOT gate in slot 1 driving an output in slot 2.
  Document inverter;
  PutGate(inverter, 0, kInputGate, 0, 1200);
  PutGate(inverter, 1, kNotGate, 2000, 1200);
  PutGate(inverter, 2, kOutputGate, 8200, 1200);
  PutLink(inverter, 0, 0, 1);
  PutLink(inverter, 1, 1, 2);
  TempFolder folder;
  const std::string path = Save(folder, "inverter.cir", inverter);
  const struct {
    std::string file;
    std::vector<std::string> actions;
    const char* trace;
  } rows[] = {
      {path, {"p", "t0", "p", "p3", "t1", "t50"},  // a toggle of a slot that is no input changes nothing
       "0:input 1:not 2:output\nload 000\np 010\nt0 110\np 101\np 100\np 100\np 100\nt1 100\nt50 100\n"},
      // The three NOT gates flip together; the output follows one step later and the
      // four nodes of the feedback wire at once.
      {ExamplePath("ring_oscillator.cir"), {"p4"},
       "0:not 1:not 2:not 3:output 4:node 5:node 6:node 7:node\nload 00000000\n"
       "p 11101111\np 00010000\np 11101111\np 00010000\n"},
      {Save(folder, "empty.cir", Document()), {"p"}, "\nload \np \n"}};
  for (const auto& row : rows) {
    std::vector<std::string> args{"trace", row.file};
    args.insert(args.end(), row.actions.begin(), row.actions.end());
    const SimRun run = RunSim(args);
    EXPECT_EQ(run.exitCode, 0) << row.file << ": " << run.err;
    EXPECT_EQ(run.out, row.trace) << row.file;
  }
}

}  // namespace
}  // namespace tessara::tool_test
