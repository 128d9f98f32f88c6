// An exercise on the stand-in screen: the problem marks following the edits, and the
// expected answer chosen, taken beside a circuit, and checked against a table or, in
// the timeline's model, a sequence.
#include "editor/expected_answer.h"
#include "editor/refresh.h"
#include "editor/sequence_check.h"
#include "io/circuit_file.h"
#include "io/table_text.h"
#include "temp_folder.h"
#include "window.h"

namespace tessara {
namespace {

using Exercise = Window;

TEST_F(Exercise, MarksFollowEachEditAndGoWhilePoweredOrHidden) {
  auto marks = [&] { return screen.ProblemMarks().Marks().size(); };
  const std::int16_t gate = Place(OnAndTool, 3000, 2000);
  EXPECT_EQ(marks(), 3u) << "two unlinked inputs, and it drives nothing";
  const std::int16_t input = Place(OnInputTool, 300, 2000);
  OnLinkTool(form);
  PressOutput(input), PressInput(gate, 1);
  EXPECT_EQ(marks(), 2u) << "input 0 and the dashed outline are left";
  OnShowProblems(form, false);
  EXPECT_EQ(marks(), 0u);
  OnShowProblems(form, true);
  OnPower(form);
  EXPECT_EQ(marks(), 0u) << "powered";
}

TEST_F(Exercise, CompareWithTakesAReadableAnswerAndOpeningTakesTheOneBesideTheCircuit) {
  testing::TempFolder folder;
  const auto answer = testing::WriteFile(folder.path() / "answer.txt", "I1 | O1\n0 | 1\n1 | X\n");
  const auto broken = testing::WriteFile(folder.path() / "broken.txt", "I1 | O1\n0 | 2\n");
  screen.file_answers = {answer.string(), broken.string(), ""};
  OnCompareWith(form);
  ASSERT_TRUE(form.expected);
  EXPECT_EQ(form.expected->name, "answer.txt");
  EXPECT_EQ(screen.file_requests.back().title, "Compare With");
  OnCompareWith(form);
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].title, "Error");
  EXPECT_EQ(form.expected->name, "answer.txt") << "a broken answer keeps the one there was";
  OnCompareWith(form);
  EXPECT_EQ(form.expected->name, "answer.txt") << "a cancel keeps it too";

  const std::string empty = WriteCircuit(Document{});
  const auto plain = testing::WriteFile(folder.path() / "plain.cir", empty);
  const auto exercise = testing::WriteFile(folder.path() / "adder.cir", empty);
  testing::WriteFile(folder.path() / "adder.expected", "| O1 O2\n| 0 1\n");
  LoadCircuit(form, plain.string());
  EXPECT_EQ(form.expected->name, "answer.txt") << "a circuit without an answer keeps it";
  OnNew(form);
  EXPECT_EQ(form.expected->name, "answer.txt") << "New keeps it";
  LoadCircuit(form, exercise.string());
  EXPECT_EQ(CheckedAgainst(*form.expected).English(), "Checked against adder.expected");
  EXPECT_EQ(OutputCount(form.expected->answer), 2u);
  OnClearExpected(form);
  EXPECT_FALSE(form.expected);
}

TEST(CheckTable, MarksEachRowAndSumsUpAsCompareDoes) {
  const TruthTable got = *ReadTableText("I1 I2 | O1\n0 0 | 0\n0 1 | 1\n1 0 | 1\n1 1 | ~\n").table;
  const struct {
    const char* expected;
    const char* summary;
    std::vector<std::string> marks;
  } rows[] = {
      {"I1 I2 | O1\n0 0 | 0\n0 1 | 1\n1 0 | 1\n1 1 | X\n",
       "All 4 rows match",
       {"✓", "✓", "✓", "✓"}},
      {"I1 I2 | O1\n0 0 | 1\n0 1 | 1\n# rows left out are don't care\n",
       "1 of 4 rows differ",
       {"expected 1", "✓", "✓", "✓"}},
      {"I1 I2 I3 | O1\n# rows left out are don't care\n",
       "expected 3 inputs and 1 outputs, found 2 inputs and 1 outputs",
       {}},
  };
  for (const auto& row : rows) {
    const TableCheck check = CheckTable({"a", *ReadTableText(row.expected).table}, got);
    EXPECT_EQ(check.summary.English(), row.summary);
    std::vector<std::string> marks;
    for (const RowCheck& r : check.rows) {
      marks.push_back(r.mark.English());
      EXPECT_EQ(r.differs, r.mark.English() != "✓") << row.expected;
    }
    EXPECT_EQ(marks, row.marks) << row.expected;
  }
}

TEST_F(Exercise, ASequenceIsMarkedRowByRowAndARedMarkGoesToItsStepAndAsksWhy) {
  ASSERT_TRUE(LoadCircuit(form, TESSARA_EXAMPLES "/sr_latch_nor.cir"));  // O1 = not Q
  const ExpectedAnswer answer{
      "latch.expected",
      *ReadSequenceText("sequence\nI1 I2 | O1 O2\n0 1 | 1 0\n1 0 | 1 1\n0 0 | 0 1\n").sequence};
  const SequenceCheck check = *CheckSequence(std::get<Sequence>(answer.answer), doc, {});
  EXPECT_EQ(check.summary.English(), "1 of 3 rows differ");
  std::vector<std::string> lines;
  for (const RowMark& mark : check.marks) lines.push_back(mark.line.English());
  EXPECT_EQ(lines, (std::vector<std::string>{"Row 1 (step 3): matches",
                                             "Row 2 (step 8): expected 1 1, got 0 1",
                                             "Row 3 (step 10): matches"}));
  EXPECT_EQ(CheckTable(answer, {}).summary.English(),
            "Checked in the Timeline: this answer is a sequence");

  OnSequenceMark(form, check, 1);
  EXPECT_TRUE(doc.PowerOn);
  EXPECT_EQ(form.history.Last(), 10u) << "the whole run, played from power-up";
  EXPECT_EQ(form.history.Current(), 8u);
  EXPECT_EQ(form.whyGate, std::int16_t{4}) << "Why asks about O1, the first differing output";
  ASSERT_TRUE(form.why);
  EXPECT_EQ(form.why->step, 8u);
  EXPECT_FALSE(doc.Gates(4).GetCurrOutput());
}

}  // namespace
}  // namespace tessara
