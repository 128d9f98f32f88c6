// The trace format: slots, the values after loading, after toggles and after steps.
#include <gtest/gtest.h>

#include "sim_harness.h"

namespace tessara::tool_test {
namespace {

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
