// The trace format: slots, the values after loading, after toggles and after steps.
#include <gtest/gtest.h>

#include "sim_harness.h"

namespace tessara::tool_test {
namespace {

// A circuit input in slot 0 driving a NOT gate in slot 1 driving an output in slot 2.
std::string SaveInverter(const ScratchDir& scratch) {
  Document doc;
  const Integer in = Place(doc, kInputGate, 0, 1200);
  const Integer inverter = Place(doc, kNotGate, 2000, 1200);
  const Integer out = Place(doc, kOutputGate, 8200, 1200);
  Wire(doc, in, inverter, 0);
  Wire(doc, inverter, out, 0);
  return scratch.Save("inverter.cir", doc);
}

TEST(Trace, PrintsOneLinePerToggleAndPerStep) {
  ScratchDir scratch;
  const SimRun run = RunSim({"trace", SaveInverter(scratch), "p", "t0", "p", "p3"});

  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "0:input 1:not 2:output\n"
            "load 000\n"
            "p 010\n"
            "t0 110\n"
            "p 101\n"
            "p 100\n"
            "p 100\n"
            "p 100\n");
}

TEST(Trace, ToggleOnASlotThatIsNoInputChangesNothing) {
  ScratchDir scratch;
  const SimRun run = RunSim({"trace", SaveInverter(scratch), "t1", "t50"});

  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "0:input 1:not 2:output\nload 000\nt1 000\nt50 000\n");
}

TEST(Trace, RingOscillatorAlternatesOnEveryStep) {
  const SimRun run = RunSim({"trace", ExamplePath("ring_oscillator.cir"), "p4"});

  // The three NOT gates flip together; the output follows one step later and the
  // four nodes of the feedback wire at once.
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "0:not 1:not 2:not 3:output 4:node 5:node 6:node 7:node\n"
            "load 00000000\n"
            "p 11101111\n"
            "p 00010000\n"
            "p 11101111\n"
            "p 00010000\n");
}

TEST(Trace, EmptyCircuitPrintsAnEmptyHeaderAndNoValues) {
  ScratchDir scratch;
  const SimRun run = RunSim({"trace", scratch.Save("empty.cir", Document()), "p"});

  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "\nload \np \n");
}

}  // namespace
}  // namespace tessara::tool_test
