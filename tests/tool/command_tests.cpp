// Exit codes and messages, and resave.
#include <gtest/gtest.h>

#include "sim_harness.h"

namespace tessara::tool_test {
namespace {

// text with its CRLF-ended line number `line` (1-based) replaced.
std::string WithLine(const std::string& text, int line, const std::string& replacement) {
  std::size_t begin = 0;
  for (int i = 1; i < line; ++i) begin = text.find("\r\n", begin) + 2;
  return text.substr(0, begin) + replacement + text.substr(text.find("\r\n", begin));
}

TEST(Command, ExitsTwoOnBadArgumentsAndOneOnBadFilesSayingWhyOnStderrAlone) {
  TempFolder folder;
  const std::string halfAdder = ExamplePath("half_adder.cir"), at = folder.path().string() + "/";
  const std::string damaged = testing::WriteFile(at + "damaged.cir",
      WithLine(ReadFile(halfAdder), 9, "6,8200,1450,#MAYBE#,0"));
  const std::string truncated = testing::WriteFile(at + "short.cir", ReadFile(halfAdder).substr(0, 1000));
  Document wide;
  for (Integer i = 0; i < 17; ++i) PutGate(wide, i, kInputGate, 0, 900.0f * i);
  const std::string seventeenInputs = Save(folder, "wide.cir", wide);
  const struct {
    std::vector<std::string> args;
    int exitCode;
    std::string errStart;
  } rows[] = {
      {{}, 2, "Usage:"},
      {{"simulate", halfAdder}, 2, "Usage:"},
      {{"trace"}, 2, "Usage:"},
      {{"table"}, 2, "Usage:"},
      {{"check", "--timing", halfAdder}, 2, "Usage:"},
      {{"resave", halfAdder}, 2, "Usage:"},
      {{"trace", halfAdder, "p", "x"}, 2, "Usage:"},
      {{"trace", halfAdder, "t51"}, 2, "Usage:"},
      {{"trace", halfAdder, "t-1"}, 2, "Usage:"},
      {{"trace", halfAdder, "p0"}, 2, "Usage:"},
      {{"trace", halfAdder, "p2x"}, 2, "Usage:"},
      {{"trace", damaged}, 1, damaged + ": line 9: "},
      {{"table", damaged}, 1, damaged + ": line 9: "},
      {{"check", damaged}, 1, damaged + ": line 9: "},
      {{"resave", truncated, at + "out.cir"}, 1, truncated + ": "},
      {{"check", at + "absent.cir"}, 1, at + "absent.cir: "},
      {{"resave", halfAdder, at + "no-such-folder/out.cir"}, 1, at + "no-such-folder/out.cir: "},
      {{"table", seventeenInputs}, 1, seventeenInputs + ": 17 inputs"}};
  for (const auto& row : rows) {
    std::string command;
    for (const std::string& arg : row.args) command += arg + " ";
    const SimRun run = RunSim(row.args);
    EXPECT_EQ(run.exitCode, row.exitCode) << command;
    EXPECT_EQ(run.out, "") << command;
    if (row.exitCode == 2) {
      EXPECT_NE(run.err.find(row.errStart), std::string::npos) << command << ": " << run.err;
    } else {
      EXPECT_EQ(run.err.rfind(row.errStart, 0), 0u) << command << ": " << run.err;
    }
  }
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"damaged.cir", "short.cir", "wide.cir"}));

  const SimRun help = RunSim({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("Usage:"), std::string::npos);
  EXPECT_NE(help.out.find("Exit status:"), std::string::npos);
  EXPECT_EQ(help.err, "");
}

TEST(Resave, GivesEachExampleBackByteForByte) {
  for (const char* example :
       {"half_adder.cir", "full_adder.cir", "mux2.cir", "sr_latch_nor.cir", "ring_oscillator.cir"}) {
    TempFolder folder;
    const std::string in = ExamplePath(example), out = (folder.path() / "copy.cir").string();
    const std::string original = ReadFile(in);
    ASSERT_FALSE(original.empty()) << "missing example " << in;
    const SimRun run = RunSim({"resave", in, out});
    EXPECT_EQ(run.exitCode, 0) << example << ": " << run.err;
    EXPECT_EQ(ReadFile(out), original) << example;
  }
}

}  // namespace
}  // namespace tessara::tool_test
