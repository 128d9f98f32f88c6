// Exit codes, messages, resave and check.
#include <gtest/gtest.h>

#include "sim_harness.h"

namespace tessara::tool_test {
namespace {

const char* const kExamples[] = {"half_adder.cir", "full_adder.cir", "mux2.cir", "sr_latch_nor.cir",
                                 "ring_oscillator.cir"};

// text with its CRLF-ended line number `line` (1-based) replaced.
std::string WithLine(const std::string& text, int line, const std::string& replacement) {
  std::size_t begin = 0;
  for (int i = 1; i < line; ++i) begin = text.find("\r\n", begin) + 2;
  const std::size_t end = text.find("\r\n", begin);
  return text.substr(0, begin) + replacement + text.substr(end);
}

const std::string kHalfAdder = ExamplePath("half_adder.cir");

struct UsageCase {
  const char* name;
  std::vector<std::string> args;
};

void PrintTo(const UsageCase& usage, std::ostream* os) { *os << usage.name; }

class UsageErrorTest : public testing::TestWithParam<UsageCase> {};

TEST_P(UsageErrorTest, ExitsTwoWithTheUsageOnStderrAndNothingOnStdout) {
  const SimRun run = RunSim(GetParam().args);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("Usage:"), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    BadArguments, UsageErrorTest,
    testing::Values(UsageCase{"NoCommand", {}},
                    UsageCase{"UnknownCommand", {"simulate", kHalfAdder}},
                    UsageCase{"TraceWithoutFile", {"trace"}},
                    UsageCase{"TableWithoutFile", {"table"}},
                    UsageCase{"CheckWithTwoFiles", {"check", kHalfAdder, kHalfAdder}},
                    UsageCase{"ResaveWithoutOut", {"resave", kHalfAdder}},
                    UsageCase{"UnknownActionAfterAGoodOne", {"trace", kHalfAdder, "p", "x"}},
                    UsageCase{"ToggleOfSlot51", {"trace", kHalfAdder, "t51"}},
                    UsageCase{"ToggleOfNegativeSlot", {"trace", kHalfAdder, "t-1"}},
                    UsageCase{"ZeroSteps", {"trace", kHalfAdder, "p0"}},
                    UsageCase{"StepsWithTrailingText", {"trace", kHalfAdder, "p2x"}}),
    [](const testing::TestParamInfo<UsageCase>& info) { return std::string(info.param.name); });

TEST(Help, PrintsTheFormatsOnStdout) {
  const SimRun run = RunSim({"--help"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.out.find("Usage:"), std::string::npos);
  EXPECT_NE(run.out.find("Exit status:"), std::string::npos);
  EXPECT_EQ(run.err, "");
}

TEST(BadFile, DamagedFieldExitsOneNamingTheFileAndLine) {
  ScratchDir scratch;
  const std::string path =
      scratch.Write("damaged.cir", WithLine(ReadBytes(kHalfAdder), 9, "6,8200,1450,#MAYBE#,0"));

  for (const char* command : {"trace", "table", "check"}) {
    const SimRun run = RunSim({command, path});
    EXPECT_EQ(run.exitCode, 1) << command;
    EXPECT_EQ(run.out, "") << command;
    EXPECT_EQ(run.err.rfind(path + ": line 9: ", 0), 0u) << command << ": " << run.err;
  }
}

TEST(BadFile, TruncatedFileExitsOneAndWritesNothing) {
  ScratchDir scratch;
  const std::string path = scratch.Write("short.cir", ReadBytes(kHalfAdder).substr(0, 1000));
  const std::string out = scratch.PathOf("out.cir");

  const SimRun run = RunSim({"resave", path, out});

  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err.rfind(path + ": ", 0), 0u) << run.err;
  EXPECT_EQ(ReadBytes(out), "");
}

TEST(BadFile, MissingFileExitsOne) {
  ScratchDir scratch;
  const std::string path = scratch.PathOf("absent.cir");
  const SimRun run = RunSim({"check", path});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err.rfind(path + ": ", 0), 0u) << run.err;
}

TEST(Resave, UnwritableTargetExitsOneNamingIt) {
  ScratchDir scratch;
  const std::string out = scratch.PathOf("no-such-folder/out.cir");
  const SimRun run = RunSim({"resave", kHalfAdder, out});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err.rfind(out + ": ", 0), 0u) << run.err;
}

class ExampleFileTest : public testing::TestWithParam<const char*> {};

TEST_P(ExampleFileTest, ResaveGivesTheSameBytes) {
  ScratchDir scratch;
  const std::string in = ExamplePath(GetParam()), out = scratch.PathOf("copy.cir");
  const std::string original = ReadBytes(in);
  ASSERT_FALSE(original.empty()) << "missing example " << in;

  const SimRun run = RunSim({"resave", in, out});

  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(ReadBytes(out), original);
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleFileTest, testing::ValuesIn(kExamples),
                         [](const testing::TestParamInfo<const char*>& info) {
                           std::string name = info.param;
                           return name.substr(0, name.find('.'));
                         });

TEST(Check, SummarisesTheUsedSlots) {
  const SimRun run = RunSim({"check", kHalfAdder});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, kHalfAdder + ": 2 gates, 2 inputs, 2 outputs, 4 nodes, 10 links\n");
}

TEST(Check, CountsOfOneAreSingular) {
  Document doc;
  const Integer in = Place(doc, kInputGate, 0, 1200);
  const Integer inverter = Place(doc, kNotGate, 2000, 1200);
  Place(doc, kOutputGate, 8200, 1200);
  Place(doc, kBufferGate, 3000, 3000);
  Wire(doc, in, inverter, 0);
  ScratchDir scratch;
  const std::string path = scratch.Save("one.cir", doc);

  const SimRun run = RunSim({"check", path});

  EXPECT_EQ(run.out, path + ": 1 gate, 1 input, 1 output, 1 node, 1 link\n");
}

}  // namespace
}  // namespace tessara::tool_test
