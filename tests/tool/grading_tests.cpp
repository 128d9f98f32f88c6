// The grading commands: table --timing and --json, compare, check with warnings,
// --strict and --json, trace --wavedrom and tI<n>; each output and exit code as rows.
#include <gtest/gtest.h>

#include "sim_harness.h"

namespace tessara::tool_test {
namespace {

struct Row {
  std::vector<std::string> args;
  int exitCode;
  std::string out;
  std::string errStart = "";
};

void ExpectRuns(const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    std::string command;
    for (const std::string& arg : row.args) command += arg + " ";
    const SimRun run = RunSim(row.args);
    EXPECT_EQ(run.exitCode, row.exitCode) << command << run.err;
    EXPECT_EQ(run.out, row.out) << command;
    EXPECT_EQ(run.err.rfind(row.errStart, 0), 0u) << command << ": " << run.err;
  }
}

const std::string kHalf = ExamplePath("half_adder.cir"), kFull = ExamplePath("full_adder.cir");

TEST(TableCommand, AddsEachRowsTimingOrWritesJson) {
  ExpectRuns({{{"table", "--timing", ExamplePath("sr_latch_nor.cir")}, 0,
               "I1 I2 | O1 O2\n0 0 | ~ ~  (repeats every 2 steps from step 1)\n0 1 | 1 0  (settles after 2 steps)\n"
               "1 0 | 0 1  (settles after 2 steps)\n1 1 | 0 0  (settles after 1 steps)\n"},
              {{"table", "--json", kHalf}, 0,
               "{\"file\":\"" + kHalf + "\",\"inputs\":[0,1],\"outputs\":[4,5],\"rows\":["
               "{\"in\":\"00\",\"out\":\"00\",\"steps\":0,\"period\":1},{\"in\":\"01\",\"out\":\"10\",\"steps\":2,\"period\":1},"
               "{\"in\":\"10\",\"out\":\"10\",\"steps\":2,\"period\":1},{\"in\":\"11\",\"out\":\"01\",\"steps\":2,\"period\":1}]}\n"},
              {{"table", kHalf, "--json"}, 2, "", "tessara-sim: table needs one FILE"}});
}

TEST(CompareCommand, SaysSameOrListsTheDifferences) {
  TempFolder folder;
  const std::string at = folder.path().string() + "/";
  const std::string answer = testing::WriteFile(at + "answer.txt",
      "# half adder, rows in any order\n\nI1 I2 | S C\n1 1 | 0 1  (settles after 2 steps)\n0 0 | 0 0\n01|10\n1 0 | 1 0\n");
  const std::string wrong = testing::WriteFile(at + "wrong.txt", "A B | S C\n0 0 | 0 0\n0 1 | 1 0\n1 0 | 1 0\n1 1 | 1 1\n");
  const std::string twice = testing::WriteFile(at + "twice.txt", "\nA B | S C\n0 0 | 0 0\n0 0 | 1 0\n");
  ExpectRuns({{{"compare", kHalf, kHalf}, 0, "same\n"},
              {{"compare", kHalf, answer}, 0, "same\n"},
              {{"compare", kHalf, wrong}, 3, "row 1 1: expected 1 1, got 0 1\n1 of 4 rows differ\n"},
              {{"compare", kHalf, kFull}, 3, "expected 3 inputs and 2 outputs, found 2 inputs and 2 outputs\n"},
              {{"compare", kHalf, twice}, 1, "", twice + ": line 4: a second row for inputs 0 0"},
              {{"compare", at + "absent.cir", kHalf}, 1, "", at + "absent.cir: "}});
}

TEST(CheckCommand, CountsEachKindAndWarnsByLineAcrossEveryFile) {
  Document doc;  // an input, an AND turned 5 times, an output and a NOR, linked oddly
  PutGate(doc, 0, kInputGate, 0, 1000);
  PutGate(doc, 1, kAndGate, 2000, 1000, 5);
  PutGate(doc, 2, kOutputGate, 8200, 1000);
  PutGate(doc, 3, kNorGate, 4000, 3000);
  PutLink(doc, 0, 0, 1);
  PutLink(doc, 1, 0, 1);
  PutLink(doc, 2, 1, 2).StopIsNode = true;
  PutLink(doc, 3, 5, 3, 1);
  PutLink(doc, 4, 3, 6);
  TempFolder folder;
  const std::string odd = Save(folder, "odd.cir", doc), absent = folder.path().string() + "/absent.cir";
  const std::string summary = odd + ": 2 gates (1 and, 1 nor), 1 input, 1 output, 0 nodes, 5 links\n";
  const std::string warnings = odd + ":6: warning: and 1 input 1 is not linked\n" + odd +
      ":6: warning: and 1 input 0 is linked more than once\n" + odd + ":6: warning: and 1 has orientation 5, outside 0..3\n" +
      odd + ":8: warning: nor 3 input 0 is not linked\n" + odd +
      ":58: warning: link 2 is marked as ending at a node, but slot 2 holds output\n" + odd +
      ":59: warning: link 3 starts at empty slot 5\n" + odd + ":60: warning: link 4 ends at empty slot 6\n";
  const std::string half = kHalf + ": 2 gates (1 and, 1 xor), 2 inputs, 2 outputs, 4 nodes, 10 links\n";
  ExpectRuns({{{"check", odd, kHalf}, 0, summary + warnings + half},
              {{"check", "--strict", kHalf}, 0, half},
              {{"check", "--strict", kHalf, odd}, 3, half + summary + warnings},
              {{"check", "--json", absent, kHalf}, 1,
               "{\"file\":\"" + absent + "\",\"ok\":false,\"line\":null,\"error\":\"cannot open: No such file or directory\"}\n"
               "{\"file\":\"" + kHalf + "\",\"ok\":true,\"gates\":{\"and\":1,\"xor\":1},\"inputs\":2,\"outputs\":2,"
               "\"nodes\":4,\"links\":10,\"warnings\":[]}\n", absent + ": "}});
}

TEST(TraceCommand, TogglesInputsByNumberAndDrawsWaveDrom) {
  ExpectRuns({{{"trace", kHalf, "tI2", "p"}, 0,
               "0:input 1:input 2:xor 3:and 4:output 5:output 6:node 7:node 8:node 9:node\n"
               "load 0000000000\ntI2 0100000000\np 0110000011\n"},
              {{"trace", "--wavedrom", kHalf, "tI1", "p2"}, 0,
               "{\"signal\":[{\"name\":\"I1\",\"wave\":\"01..\"},{\"name\":\"I2\",\"wave\":\"0...\"},"
               "{\"name\":\"xor2\",\"wave\":\"0.1.\"},{\"name\":\"and3\",\"wave\":\"0...\"},"
               "{\"name\":\"O1\",\"wave\":\"0..1\"},{\"name\":\"O2\",\"wave\":\"0...\"}]}\n"},
              {{"trace", kHalf, "p", "tI3"}, 2, "", "tessara-sim: bad action 'tI3': the circuit has 2 inputs"},
              {{"trace", kHalf, "tI0"}, 2, "", "tessara-sim: bad action 'tI0'"}});
}

}  // namespace
}  // namespace tessara::tool_test
