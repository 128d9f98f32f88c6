// The real tessara-sim: each command's output, exit code and stderr at the limits the
// README promises, and resave byte for byte.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <iomanip>
#include <pugixml.hpp>
#include <sstream>

#include "circuits.h"
#include "io/circuit_builder.h"
#include "io/circuit_file.h"
#include "man_synopsis.h"
#include "temp_folder.h"

namespace tessara::tool_test {
namespace {
using testing::PutGate;
using testing::PutLink;
using testing::ReadFile;
using testing::TempFolder;

struct SimRun {
  int exitCode = -1;  // -1: no normal exit; 124: still running after TESSARA_SIM_SECONDS
  std::string out, err;
};
SimRun RunSim(const std::vector<std::string>& args, std::string_view input = "") {
  TempFolder folder;
  std::string command = "timeout " TESSARA_SIM_SECONDS " '" TESSARA_SIM "'";
  for (const std::string& arg : args) command += " '" + arg + "'";
  const std::string in = testing::WriteFile(folder.path() / "in", input).string();
  const int status = std::system((command + " <" + in + " >" + (folder.path() / "out").string() +
                                  " 2>" + (folder.path() / "err").string())
                                     .c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(folder.path() / "out"),
          ReadFile(folder.path() / "err")};
}
std::string ExamplePath(const std::string& name) {
  return std::string(TESSARA_EXAMPLES) + "/" + name;
}
std::string Save(const TempFolder& folder, const char* name, const Document& doc) {
  return testing::WriteFile(folder.path() / name, WriteCircuit(doc)).string();
}

// stdout is out whole, or only starts with it when whole is false; stderr starts with
// errStart; input is standard input.
struct Row {
  std::vector<std::string> args;
  int exitCode;
  std::string out, errStart = "";
  bool whole = true;
  std::string input = "";
};
void ExpectRuns(const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    std::string command;
    for (const std::string& arg : row.args) command += arg + " ";
    const SimRun run = RunSim(row.args, row.input);
    EXPECT_EQ(run.exitCode, row.exitCode) << command << run.err;
    EXPECT_EQ(row.whole ? run.out : run.out.substr(0, row.out.size()), row.out) << command;
    EXPECT_EQ(run.err.rfind(row.errStart, 0), 0u) << command << ": " << run.err;
  }
}
const std::string kHalf = ExamplePath("half_adder.cir"), kFull = ExamplePath("full_adder.cir");

TEST(TableCommand,
     OfEachExampleIsItsFunctionWithTerminalsNumberedTopToBottomAndTimingOrJsonOnRequest) {
  Document
      crossed;  // the lower input (slot 0) drives the upper output; the upper input the lower one
  PutGate(crossed, 0, kInputGate, 0, 3000);
  PutGate(crossed, 1, kInputGate, 0, 1000);
  PutGate(crossed, 2, kOutputGate, 8200, 1000);
  PutGate(crossed, 3, kOutputGate, 8200, 3000);
  PutLink(crossed, 0, 0, 2);
  PutLink(crossed, 1, 1, 3);
  TempFolder folder;
  ExpectRuns({{{"table", kHalf}, 0, "I1 I2 | O1 O2\n0 0 | 0 0\n0 1 | 1 0\n1 0 | 1 0\n1 1 | 0 1\n"},
              {{"table", kFull},
               0,
               "I1 I2 I3 | O1 O2\n0 0 0 | 0 0\n0 0 1 | 1 0\n0 1 0 | 1 0\n0 1 1 | 0 1\n"
               "1 0 0 | 1 0\n1 0 1 | 0 1\n1 1 0 | 0 1\n1 1 1 | 1 1\n"},
              {{"table", ExamplePath("mux2.cir")},
               0,  // I1 = D0, I2 = D1, I3 = select
               "I1 I2 I3 | O1\n0 0 0 | 0\n0 0 1 | 0\n0 1 0 | 0\n0 1 1 | 1\n1 0 0 | 1\n1 0 1 | 0\n1 "
               "1 0 | 1\n1 1 1 | 1\n"},
              {{"table", ExamplePath("ring_oscillator.cir")}, 0, "| O1\n| ~\n"},
              {{"table", Save(folder, "crossed.cir", crossed)},
               0,
               "I1 I2 | O1 O2\n0 0 | 0 0\n0 1 | 1 0\n1 0 | 0 1\n1 1 | 1 1\n"},
              {{"table", "--timing", ExamplePath("sr_latch_nor.cir")},
               0,
               "I1 I2 | O1 O2\n0 0 | ~ ~  (repeats every 2 steps from step 1)\n0 1 | 1 0  (settles "
               "after 2 steps)\n"
               "1 0 | 0 1  (settles after 2 steps)\n1 1 | 0 0  (settles after 1 steps)\n"},
              {{"table", kHalf, "--json"},
               0,
               "{\"tessara\":1,\"file\":\"" + kHalf +
                   "\",\"inputs\":[0,1],\"outputs\":[4,5],\"rows\":["
                   "{\"in\":\"00\",\"out\":\"00\",\"steps\":0,\"period\":1},{\"in\":\"01\",\"out\":"
                   "\"10\",\"steps\":2,\"period\":1},"
                   "{\"in\":\"10\",\"out\":\"10\",\"steps\":2,\"period\":1},{\"in\":\"11\",\"out\":"
                   "\"01\",\"steps\":2,\"period\":1}]}\n"},
              {{"table", "--", "--json"}, 1, "", "--json: cannot open"}});
}

TEST(
    Command,
    AnswersOnStdoutOrExitsTwoOnBadArgumentsOneOnBadFilesAndThreeOnDifferencesOrWarningsSayingWhyOnStderr) {
  TempFolder folder;
  const std::string at = folder.path().string() + "/";
  std::string text = ReadFile(kHalf);
  const std::string damaged =
      testing::WriteFile(at + "damaged.cir", text.replace(text.find("#TRUE#"), 6, "#MAYBE#"));
  const std::string truncated =
      testing::WriteFile(at + "short.cir", ReadFile(kHalf).substr(0, 1000));
  const std::string pipe = at + "pipe.cir";  // a named pipe no one writes: refused, never read
  ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
  Document inverter, wide, oddly;
  testing::PutEveryWarning(oddly);
  PutGate(inverter, 0, kInputGate, 0, 1200);
  PutGate(inverter, 1, kNotGate, 2000, 1200);
  PutGate(inverter, 2, kOutputGate, 8200, 1200);
  PutGate(inverter, 3, kBufferGate, 3000, 3000);
  PutLink(inverter, 0, 0, 1);
  PutLink(inverter, 1, 1, 2);
  for (std::int16_t i = 0; i < 17; ++i) PutGate(wide, i, kInputGate, 0, 900.0f * i);
  Document nine = wide.Clone();  // nine inputs, the first linked to an output
  for (std::int16_t i = 9; i < 17; ++i) nine.EditGate(i).SetUsed(false);
  PutGate(nine, 20, kOutputGate, 8200, 0);
  PutLink(nine, 0, 0, 20);
  const std::string one = Save(folder, "one.cir", inverter),
                    seventeen = Save(folder, "wide.cir", wide);
  wide.EditGate(16).SetUsed(false);
  const std::string sixteen = Save(folder, "sixteen.cir", wide),
                    odd = Save(folder, "odd.cir", oddly),
                    nineInputs = Save(folder, "nine.cir", nine);
  const std::string summary =
      odd + ": 2 gates (1 and, 1 nor), 1 input, 1 output, 1 node, 6 links\n";
  const std::string warnings =
      odd + ":6: warning: and 1 input 1 is not linked\n" + odd +
      ":6: warning: and 1 input 0 is linked more than once\n" + odd +
      ":6: warning: and 1 has orientation 5, outside 0..3\n" + odd +
      ":8: warning: nor 3 input 0 is not linked\n" + odd + ":12: warning: node 7 drives nothing\n" +
      odd + ":58: warning: link 2 is marked as ending at a node, but slot 2 holds output\n" + odd +
      ":59: warning: link 3 starts at empty slot 5\n" + odd +
      ":60: warning: link 4 ends at empty slot 6\n" + odd +
      ":61: warning: link 5 is marked as starting at a node, but slot 0 holds input\n";
  const std::string half =
      kHalf + ": 2 gates (1 and, 1 xor), 2 inputs, 2 outputs, 4 nodes, 10 links\n";
  const std::string answer =
      testing::WriteFile(at + "answer.txt",
                         "# half adder, rows in any order\n\nI1 I2 | S C\n1 1 | 0 1  (settles "
                         "after 2 steps)\n0 0 | 0 0\n01|10\n1 0 | 1 0\n");
  const std::string wrong = testing::WriteFile(
      at + "wrong.txt", "A B | S C\n0 0 | 0 0\n0 1 | 1 0\n1 0 | 1 0\n1 1 | 1 1\n");
  const std::string twice =
      testing::WriteFile(at + "twice.txt", "\nA B | S C\n0 0 | 0 0\n0 0 | 1 0\n");
  ExpectRuns(
      {{{"trace", one, "p", "t0", "p", "p3", "t1", "t50"},
        0,  // a toggle of a slot that is no input changes nothing
        "0:input 1:not 2:output 3:node\nload 0000\np 0100\nt0 1100\np 1010\np 1000\np 1000\np "
        "1000\nt1 1000\nt50 1000\n",
        ""},
       {{"trace", one, "p1000000"}, 0, "", "", false},
       {{"table", sixteen}, 0, "I1 ", "", false},
       {{"check", one},
        0,
        one + ": 1 gate (1 not), 1 input, 1 output, 1 node, 2 links\n",
        "",
        false},
       {{"--help"}, 0, "Usage:", "", false},
       {{"trace"}, 2, "", "tessara-sim"},
       {{}, 2, "", "tessara-sim: no command given\nUsage:"},
       {{"simulate", kHalf}, 2, "", "tessara-sim: unknown"},
       {{"resave", kHalf}, 2, "", "tessara-sim"},
       {{"trace", kHalf, "p", "x"}, 2, "", "tessara-sim: bad action 'x'"},
       {{"trace", kHalf, "t51"}, 2, "", "tessara-sim: bad"},
       {{"trace", kHalf, "t-1"}, 2, "", "tessara-sim: bad"},
       {{"trace", kHalf, "p0"}, 2, "", "tessara-sim: bad"},
       {{"trace", kHalf, "p1000001"}, 2, "", "tessara-sim: bad"},
       {{"table", damaged}, 1, "", damaged + ": line 5: expected #TRUE# or #FALSE#"},
       {{"resave", truncated, at + "out.cir"}, 1, "", truncated + ": line"},
       {{"check", folder.path().string()},
        1,
        "",
        folder.path().string() + ": cannot open: Is a directory"},
       {{"resave", kHalf, at + "no-such-folder/out.cir"},
        1,
        "",
        at + "no-such-folder/out.cir: cannot create"},
       {{"table", seventeen}, 1, "", seventeen + ": 17 inputs"},
       {{"expr", kFull},
        0,
        "O1 = (I1 XOR I2) XOR I3\nO1 minimal = ¬I1·¬I2·I3 + ¬I1·I2·¬I3 + I1·¬I2·¬I3 + I1·I2·I3\n"
        "O2 = ((I1 XOR I2) AND I3) OR (I1 AND I2)\nO2 minimal = I2·I3 + I1·I3 + I1·I2\n"},
       {{"expr", ExamplePath("sr_latch_nor.cir")},
        0,
        "O1 = I1 NOR (NOR 2 NOR I2)  (feedback through NOR 2)\n"
        "O1 minimal = not a function: O1 oscillates in rows 0 0\n"
        "O2 = (I1 NOR NOR 3) NOR I2  (feedback through NOR 3)\n"
        "O2 minimal = not a function: O2 oscillates in rows 0 0\n"},
       {{"expr", ExamplePath("ring_oscillator.cir")},
        0,
        "O1 = NOT NOT NOT NOT 2  (feedback through NOT 2)\n"
        "O1 minimal = not a function: O1 oscillates\n"},
       {{"expr", nineInputs},
        0,
        "O1 = I1\nO1 minimal = minimal form not computed above 8 inputs\n"},
       {{"expr", one, one}, 2, "", "tessara-sim: expr needs one FILE"},
       {{"expr", damaged}, 1, "", damaged + ": line 5"},
       {{"compare", kHalf, kHalf}, 0, "same\n"},
       {{"compare", kHalf, answer}, 0, "same\n"},
       {{"compare", kHalf, wrong}, 3, "row 1 1: expected 1 1, got 0 1\n1 of 4 rows differ\n"},
       {{"compare", kHalf, kFull},
        3,
        "expected 3 inputs and 2 outputs, found 2 inputs and 2 outputs\n"},
       {{"compare", kHalf, twice}, 1, "", twice + ": line 4: a second row for inputs 0 0"},
       {{"compare", at + "absent.cir", kHalf}, 1, "", at + "absent.cir: "},
       {{"check", pipe}, 1, "", pipe + ": cannot open: not a regular file\n"},
       {{"compare", kHalf, pipe}, 1, "", pipe + ": cannot open: not a regular file\n"},
       {{"trace", kHalf, "tI2", "p"},
        0,
        "0:input 1:input 2:xor 3:and 4:output 5:output 6:node 7:node 8:node 9:node\n"
        "load 0000000000\ntI2 0100000000\np 0110000011\n"},
       {{"trace", "--wavedrom", kHalf, "tI1", "p2"},
        0,
        "{\"signal\":[{\"name\":\"I1\",\"wave\":\"01..\"},{\"name\":\"I2\",\"wave\":\"0...\"},"
        "{\"name\":\"xor2\",\"wave\":\"0.1.\"},{\"name\":\"and3\",\"wave\":\"0...\"},"
        "{\"name\":\"O1\",\"wave\":\"0..1\"},{\"name\":\"O2\",\"wave\":\"0...\"}]}\n"},
       {{"trace", kHalf, "p", "tI3"},
        2,
        "",
        "tessara-sim: bad action 'tI3': the circuit has 2 inputs"},
       {{"trace", kHalf, "tI0"}, 2, "", "tessara-sim: bad action 'tI0'"},
       {{"check", odd, kHalf}, 0, summary + warnings + half},
       {{"check", "--strict", kHalf}, 0, half},
       {{"check", "--strict", kHalf, odd}, 3, half + summary + warnings},
       {{"check", "--json", at + "absent.cir", kHalf},
        1,
        "{\"tessara\":1,\"file\":\"" + at +
            "absent.cir\",\"ok\":false,\"line\":null,\"error\":\"cannot open: No such file or "
            "directory\"}\n"
            "{\"tessara\":1,\"file\":\"" +
            kHalf +
            "\",\"ok\":true,\"gates\":{\"and\":1,\"xor\":1},\"inputs\":2,\"outputs\":2,"
            "\"nodes\":4,\"links\":10,\"warnings\":[]}\n",
        at + "absent.cir: "}});
  EXPECT_EQ(folder.Names(),
            (std::vector<std::string>{"answer.txt", "damaged.cir", "nine.cir", "odd.cir", "one.cir",
                                      "pipe.cir", "short.cir", "sixteen.cir", "twice.txt",
                                      "wide.cir", "wrong.txt"}));
  for (const char* example : {"half_adder.cir", "full_adder.cir", "mux2.cir", "sr_latch_nor.cir",
                              "ring_oscillator.cir"}) {
    EXPECT_EQ(RunSim({"resave", ExamplePath(example), at + "copy.cir"}).exitCode, 0) << example;
    EXPECT_EQ(ReadFile(at + "copy.cir"), ReadFile(ExamplePath(example))) << example << " resaved";
  }
}

TEST(ExplainCommand, SaysWhyAsTextOrJsonAndRefusesUnknownGatesAndStepsWithExitTwo) {
  Document nand;  // NAND 0: input 0 from I1 1, input 1 not linked
  PutGate(nand, 0, kNandGate, 2000, 1000);
  PutGate(nand, 1, kInputGate, 0, 1000);
  PutLink(nand, 0, 1, 0);
  TempFolder folder;
  const std::string lonely = Save(folder, "nand.cir", nand);
  ExpectRuns(
      {{{"explain", kHalf, "O2", "tI2", "tI1", "p", "p"},
        0,
        "O2 = 1 at step 4\nstep 4: O2 became 1: input 0 = 1 from AND 3 at step 3\n"
        "step 3: AND 3 became 1: input 0 = 1 from I1 at step 2, input 1 = 1 from I2 at step 2\n"
        "step 2: I1 became 1: toggled\nstep 1: I2 became 1: toggled\n"},
       {{"explain", kHalf, "and3@2", "tI2", "tI1", "p", "p"},
        0,
        "AND 3 = 0 at step 2\nstep 0: AND 3 = 0 at power-up\n"},
       {{"explain", "--json", lonely, "nand 0", "p"},
        0,
        "{\"tessara\":1,\"target\":\"NAND 0\",\"value\":1,\"step\":1,\"events\":["
        "{\"step\":1,\"gate\":\"NAND 0\",\"value\":1,\"cause\":\"prop\",\"inputs\":["
        "{\"place\":0,\"value\":0,\"from\":\"I1\",\"at\":0},"
        "{\"place\":1,\"value\":0,\"from\":null,\"at\":null}]},"
        "{\"step\":0,\"gate\":\"I1\",\"value\":0,\"cause\":\"power-up\",\"inputs\":[]}],"
        "\"more\":0}\n"},
       {{"explain", kHalf, "O3"},
        2,
        "",
        "tessara-sim: no gate 'O3' in " + kHalf + "; it has I1, I2, XOR 2, AND 3, O1, O2\n"},
       {{"explain", kHalf, "O1@2", "p"}, 2, "", "tessara-sim: step 2 is outside the run"},
       {{"explain", kHalf, "O1@-1"}, 2, "", "tessara-sim: bad step in 'O1@-1'"},
       {{"explain", kHalf, "O1@18446744073709551616"},
        2,
        "",
        "tessara-sim: step 18446744073709551616 is outside the run"},
       {{"explain", kHalf, "O1", "tI3"}, 2, "", "tessara-sim: bad action 'tI3'"},
       {{"explain", kHalf}, 2, "", "tessara-sim: explain needs FILE and TARGET"},
       {{"explain", folder.path().string() + "/absent.cir", "O1"}, 1, "", folder.path().string()}});
}

TEST(GradeCommand,
     ReportsEveryFileInTheOrderGivenAsTextJsonOrJUnitExitsByTheWorstResultAndTakesEveryCaseOfCir) {
  TempFolder folder;
  const std::string at = folder.path().string() + "/", in = at + "class/";
  std::filesystem::create_directory(in);
  Document bob = *LoadCircuitFile(kHalf).document, slow;  // bob: the XOR made an OR
  PutGate(bob, 2, kOrGate, bob.Gates(2).GetX(), bob.Gates(2).GetY());
  testing::PutLongRun(slow);
  std::string damaged = ReadFile(kHalf);
  const std::string ann = testing::WriteFile(in + "ann.cir", ReadFile(kHalf)),
                    dee = testing::WriteFile(in + "dee.cir",
                                             damaged.replace(damaged.find("#TRUE#"), 6, "2")),
                    latin = testing::WriteFile(in + "lat\xe9in.cir", ReadFile(kHalf)),
                    bobs = Save(folder, "class/bob.cir", bob),
                    long_run = Save(folder, "long.cir", slow);
  testing::WriteFile(in + "cid.cir", ReadFile(kFull));
  testing::WriteFile(in + "notes.txt", "not a circuit");
  // odd: a folder named like a circuit, a name with a line end, a name in capitals
  const std::string empty = at + "empty/", odd = at + "odd/";
  std::filesystem::create_directories(empty);
  std::filesystem::create_directories(odd + "sub.cir");
  Document wide;  // 17 inputs
  for (std::int16_t slot = 0; slot < 17; ++slot)
    PutGate(wide, slot, kInputGate, 0, float(300 * slot));
  testing::WriteFile(odd + "two\nlines.cir", ReadFile(kHalf));
  const std::string upper = testing::WriteFile(odd + "ANN.CIR", ReadFile(kHalf)),
                    many = Save(folder, "wide.cir", wide);
  const std::string table = "A B | S C\n0 0 | 0 0\n0 1 | 1 0\n1 0 | 1 0\n1 1 | 0 1\n";
  const std::string expected = testing::WriteFile(at + "expected.txt", table),
                    any = testing::WriteFile(at + "any.txt", "| O1\n| X\n");
  const std::string
      counts = "expected 2 inputs and 2 outputs, found 3 inputs and 2 outputs",
      broken = "line 5: expected #TRUE# or #FALSE#, found \"2\"",
      bobJson = "{\"file\":\"" + bobs +
                "\",\"result\":\"differ\",\"rows\":4,\"differ\":1,"
                "\"diffs\":[{\"in\":\"11\",\"expected\":\"01\",\"got\":\"11\"}],\"reason\":null}";
  const std::string parity = TESSARA_SOURCE "/bench/table/parity16.cir";
  const std::string parityTable = testing::WriteFile(at + "p16.txt", RunSim({"table", parity}).out);
  ExpectRuns(
      {{{"grade", expected, in},
        1,
        ann + ": same\n" + bobs + ": 1 of 4 rows differ\n" + in + "cid.cir: " + counts + "\n" +
            dee + ": " + broken + "\n" + latin + ": same\n5 files: 2 same, 2 differ, 1 failed\n"},
       {{"grade", "--jobs", "1", expected, bobs, ann},
        3,
        bobs + ": 1 of 4 rows differ\n" + ann + ": same\n2 files: 1 same, 1 differ, 0 failed\n"},
       {{"grade", "-", ann, "--jobs=3"},
        0,
        ann + ": same\n1 file: 1 same, 0 differ, 0 failed\n",
        "",
        true,
        table},
       {{"grade", "--json", expected, bobs, dee},
        1,
        "{\"tessara\":1,\"expected\":\"" + expected + "\",\"files\":[" + bobJson + ",{\"file\":\"" +
            dee +
            "\",\"result\":\"failed\",\"rows\":null,\"differ\":null,\"diffs\":[],\"reason\":\"line "
            "5: "
            "expected #TRUE# or #FALSE#, found "
            "\\\"2\\\"\"}],\"summary\":{\"files\":2,\"same\":0,\"differ\":1,"
            "\"failed\":1}}\n"},
       {{"grade", "--junit", expected, in + "cid.cir", bobs, dee},
        1,
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<testsuite name=\"tessara grade\" tests=\"3\" "
        "failures=\"2\" errors=\"1\">\n  <testcase name=\"" +
            in +
            "cid.cir\" classname=\"tessara grade\">\n"
            "    <failure message=\"" +
            counts + "\" />\n  </testcase>\n  <testcase name=\"" + bobs +
            "\" classname=\"tessara grade\">\n    <failure message=\"1 of 4 rows differ\">row 1 1: "
            "expected 0 "
            "1, got 1 1\n</failure>\n  </testcase>\n  <testcase name=\"" +
            dee +
            "\" classname=\"tessara "
            "grade\">\n    <error message=\"line 5: expected #TRUE# or #FALSE#, found "
            "&quot;2&quot;\" />\n  "
            "</testcase>\n</testsuite>\n"},
       {{"grade", any, long_run, "--time-limit", "0.2"},
        1,
        long_run + ": time limit of 0.2 s reached\n1 file: 0 same, 0 differ, 1 failed\n"},
       {{"grade", "--json", "--junit", expected, ann},
        2,
        "",
        "tessara-sim: --json and --junit cannot be"},
       {{"grade", expected, ann, "--jobs", "0"}, 2, "", "tessara-sim: --jobs needs a whole number"},
       {{"grade", expected}, 2, "", "tessara-sim: grade needs EXPECTED and at least one PATH"},
       {{"grade", at + "absent.txt", ann}, 1, "", at + "absent.txt: cannot open: No such file"},
       {{"compare", "--json", bobs, expected}, 3, "{\"tessara\":1," + bobJson.substr(1) + "\n"},
       {{"compare", parity, parityTable}, 0, "same\n"},
       {{"compare", long_run, long_run, "--time-limit=0.2"},
        1,
        "",
        long_run + ": time limit of 0.2 s"},
       {{"table", "--timing", long_run, "--max-steps", "100"},
        0,
        "| O1\n| ~  (no repeat within 100 steps)\n"},
       {{"table", long_run, "--time-limit", "0.2"},
        1,
        "| O1\n",
        long_run + ": time limit of 0.2 s reached"},
       {{"table", "--max-steps", "0", kHalf},
        2,
        "",
        "tessara-sim: --max-steps needs a whole number"},
       {{"table", kHalf, "--time-limit", "0"}, 2, "", "tessara-sim: --time-limit needs a number"},
       {{"check", kHalf, "--strict", "--frobnicate"}, 2, "", "tessara-sim: check has no option"},
       {{"check", "--json", latin},
        0,
        "{\"tessara\":1,\"file\":\"" + in + "lat\xEF\xBF\xBDin.cir\",",
        "",
        false},
       {{"--version"}, 0, "tessara-sim ", "", false},
       {{"grade", expected, empty},
        1,
        empty + ": no circuit files\n1 file: 0 same, 0 differ, 1 failed\n"},
       {{"grade", expected, odd},
        1,
        upper + ": same\n" + odd + "sub.cir: cannot open: Is a directory\n" + odd +
            "two\\nlines.cir: same\n3 files: 2 same, 0 differ, 1 failed\n"},
       {{"grade", expected, many},
        3,
        many + ": expected 2 inputs and 2 outputs, found 17 inputs and 0 outputs\n1 file: "
               "0 same, 1 differ, 0 failed\n"}});
  const std::string xml =
      testing::WriteFile(at + "grade.xml", RunSim({"grade", "--junit", expected, in}).out);
  EXPECT_EQ(std::system(("xmllint --noout '" + xml + "'").c_str()), 0) << ReadFile(xml);
  EXPECT_NE(RunSim({"grade", "--junit", expected, empty}).out.find("tests=\"1\""),
            std::string::npos);
}

TEST(SequenceCommands, CompareGradePlayAndTraceTheRunOfASequence) {
  TempFolder folder;
  const std::string at = folder.path().string() + "/", latch = ExamplePath("sr_latch_nor.cir");
  const std::string sequence = testing::WriteFile(
      at + "s.expected", "sequence\nI1 I2 | O1 O2\n1 0 | 0 1\n0 1 | 0 0  wrong\nC 0 | X X\n");
  const std::string narrow = testing::WriteFile(at + "n.expected", "sequence\nI1 | O1\n0 | 0\n");
  const std::string broken =
      testing::WriteFile(at + "b.expected", "sequence\nI1 I2 | O1 O2\n1 0 | 0\n");
  ExpectRuns(
      {{{"compare", latch, sequence},
        3,
        "row 2 (step 8): expected 0 0, got 1 0\n1 of 3 rows differ\n"},
       {{"compare", "--json", latch, sequence},
        3,
        "{\"tessara\":1,\"file\":\"" + latch +
            "\",\"result\":\"differ\",\"rows\":3,\"differ\":1,\"diffs\":[{\"row\":2,\"step\":8,"
            "\"in\":\"01\",\"expected\":\"00\",\"got\":\"10\"}],\"reason\":null}\n"},
       {{"grade", sequence, latch},
        3,
        latch + ": 1 of 3 rows differ\n1 file: 0 same, 1 differ, 0 failed\n"},
       {{"play", latch, sequence},
        0,
        "sequence\nI1 I2 | O1 O2\n1 0 | 0 1\n0 1 | 1 0  wrong\nC 0 | 0 1\n"},
       {{"play", latch, narrow},
        1,
        "",
        latch + ": expected 1 inputs and 1 outputs, found 2 inputs and 2 outputs"},
       {{"compare", latch, broken}, 1, "", broken + ": line 3: expected 2 output cells, found 1"},
       {{"trace", latch, "--sequence", sequence},
        0,
        "0:input 1:input 2:nor 3:nor 4:output 5:output 6:node 7:node 8:node 9:node 10:node "
        "11:node 12:node 13:node\nload 00000000000000\ntI1 10000000000000\np ",
        "",
        false},
       {{"trace", latch, "tI1", "--sequence", sequence},
        2,
        "",
        "tessara-sim: trace takes ACTIONs"}});
  std::istringstream trace(RunSim({"trace", latch, "--sequence", sequence}).out);
  std::vector<std::string> records;
  for (std::string line; std::getline(trace, line);) records.push_back(line);
  ASSERT_GT(records.size(), 10u);  // the header, then step 0 ("load") and on
  EXPECT_EQ(records[9].substr(0, 8), "p 011010") << "row 2 read at step 8: O1 (slot 4) 1, O2 0";
  EXPECT_EQ(records[10].substr(0, 4), "tI1 ") << "row 3 starts with its pulse";
}

TEST(BuildCommand, WritesACircuitWithTheExpressionsTableAndRefusesWhatCannotBeReadOrFit) {
  const TempFolder folder;
  const std::string out = (folder.path() / "built.cir").string();
  const std::string lines =
      testing::WriteFile(folder.path() / "adder.txt",
                         "O1 = I1 ^ I2 ^ I3\nO2 = I1\u00B7I2 + I3\u00B7(I1 ^ I2)\n")
          .string();
  const std::string table = testing::WriteFile(folder.path() / "or.txt",
                                               "I1 I2 | O1\n0 0 | 0\n0 1 | 1\n1 0 | 1\n1 1 | X\n")
                                .string();
  ExpectRuns(
      {{{"build", "--gates", "nand", lines, out}, 0, ""},
       {{"table", out}, 0, RunSim({"table", kFull}).out},
       {{"build", "--table", table, "--gates=nor", out}, 0, ""},
       {{"table", out}, 0, "I1 I2 | O1\n0 0 | 0\n0 1 | 1\n1 0 | 1\n1 1 | 1\n"},
       {{"build", "--expr", "I1 AND", out},
        1,
        "",
        "--expr: column 7: expected an input name or (, found the end of the line"},
       {{"build", "--gates", "nor", "--expr", "I1^I2^I3^I4^I5^I6^I7^I8^I9^I10", out},
        1,
        "",
        "--expr: this circuit needs 56 places; a circuit holds 51"},
       {{"build", "--expr", "I1", lines, out}, 2, "", "tessara-sim: build needs"},
       {{"build", "--gates", "xor", "--expr", "I1", out}, 2, "", "tessara-sim: --gates needs"}});
}

// Each circuit's testbench, compiled and run by Icarus Verilog, prints exactly what trace
// prints for the same actions: the examples (a latch and the ring oscillator among them),
// every kind chained through bends from an input, and a circuit linked oddly (an input
// linked twice, links from and to empty slots, a link marked as ending at a node).
TEST(VerilogCommand, ATestbenchRunByIcarusVerilogPrintsWhatTracePrints) {
  TempFolder folder;
  Document oddly;
  testing::PutEveryWarning(oddly);
  const Document kinds =  // built with bends in the channels between its columns
      *BuildFromExpressions("O1 = NOT ((I1 NAND I2) NOR ((I1 XOR I2) OR (I1 AND I2)))",
                            GateSet::Any)
           .document;
  const std::vector<std::pair<std::string, std::vector<std::string>>> rows = {
      {kHalf, {"tI1", "p", "p", "tI2", "p3", "tI1", "p2"}},
      {kFull, {"tI1", "p2", "tI3", "p4", "tI2", "p4", "t0"}},
      {ExamplePath("mux2.cir"), {"tI1", "p3", "tI3", "p3", "tI2", "p3"}},
      {ExamplePath("sr_latch_nor.cir"), {"p5", "tI1", "p3", "tI1", "p3", "tI2", "p3", "tI2", "p2"}},
      {ExamplePath("ring_oscillator.cir"), {"p40"}},
      {Save(folder, "kinds.cir", kinds), {"tI1", "p", "tI2", "p4", "tI1", "tI2", "p8"}},
      {Save(folder, "odd.cir", oddly), {"t0", "p", "p", "t0", "p2", "t0", "t0", "p"}}};
  for (const auto& [file, actions] : rows) {
    std::vector<std::string> trace = {"trace", file}, bench = {"verilog", "--testbench", file};
    trace.insert(trace.end(), actions.begin(), actions.end());
    bench.insert(bench.end(), actions.begin(), actions.end());
    const std::string v = testing::WriteFile(folder.path() / "bench.v", RunSim(bench).out).string();
    const std::string run =
        "iverilog -o " + v + "vp " + v + " && vvp -n " + v + "vp >" + v + ".out";
    ASSERT_EQ(std::system(run.c_str()), 0) << file;
    EXPECT_EQ(ReadFile(v + ".out"), RunSim(trace).out) << file;
  }
}

#ifdef TESSARA_PICTURE
// The half adder's picture after two toggles and two steps: an SVG of its six gates and
// four bends (each an embedded image) and the ten links, a PDF of one page, a PNG twice
// as wide at scale 2; and the exit codes.
TEST(PictureCommand, WritesSvgPdfAndPngByTheSuffixAndExitsOneOnBadFilesTwoOnBadArguments) {
  TempFolder folder;
  const std::string at = folder.path().string() + "/";
  ExpectRuns({{{"picture", kHalf, at + "h.svg", "tI1", "tI2", "p2"}, 0, ""},
              {{"picture", kHalf, at + "h.pdf"}, 0, ""},
              {{"picture", kHalf, at + "h1.png"}, 0, ""},
              {{"picture", "--scale", "2", kHalf, at + "h2.png"}, 0, ""},
              {{"picture", kHalf, at + "h.txt"}, 1, "", at + "h.txt: the name ends in no"},
              {{"picture", at + "none.cir", at + "n.png"}, 1, "", at + "none.cir: cannot open"},
              {{"picture", kHalf, at + "no/h.png"}, 1, "", at + "no/h.png: cannot"},
              {{"picture", kHalf}, 2, "", "tessara-sim"},
              {{"picture", "--scale", "3", kHalf, at + "h.png"}, 2, "", "tessara-sim"},
              {{"picture", kHalf, at + "h.png", "tI3"}, 2, "", "tessara-sim: bad action 'tI3'"}});
  pugi::xml_document svg;
  ASSERT_TRUE(svg.load_file((at + "h.svg").c_str()));
  EXPECT_EQ(svg.select_nodes("//image").size(), 10u);
  EXPECT_EQ(svg.select_nodes("//polyline").size(), 12u);  // the links and two boundaries
  const std::string pdf = ReadFile(at + "h.pdf");
  std::ptrdiff_t pages = 0;
  for (std::size_t at_ = 0; (at_ = pdf.find("/Type /Page", at_)) != std::string::npos; ++at_)
    pages += pdf.compare(at_, 12, "/Type /Pages") != 0;
  EXPECT_EQ(pages, 1);
  const auto width = [](const std::string& png) {  // the IHDR's width, big-endian
    const auto byte = [&png](std::size_t i) { return static_cast<unsigned char>(png.at(i)); };
    return byte(16) << 24 | byte(17) << 16 | byte(18) << 8 | byte(19);
  };
  EXPECT_EQ(width(ReadFile(at + "h2.png")), 2 * width(ReadFile(at + "h1.png")));
}
#endif

TEST(Help, UsageLinesAreTheCommandsOfTheManPageAndTheTeachersGuide) {
  const std::vector<std::string> usage =
      testing::LinesBetween(RunSim({"usage"}).err, "Usage:", "\n", "tessara-sim");
  EXPECT_EQ(usage.size(), 14u);
  EXPECT_EQ(testing::ManSynopsis(ReadFile(TESSARA_SOURCE "/desktop/tessara-sim.1")), usage);
  EXPECT_EQ(testing::LinesBetween(ReadFile(TESSARA_SOURCE "/docs/teachers-guide.md"),
                                  "## tessara-sim", "## ", "tessara-sim "),
            usage);
}

}  // namespace
}  // namespace tessara::tool_test
