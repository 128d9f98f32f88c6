// Why a value is what it is: small scenes explained in the lines tessara-sim prints (the
// half adder's carry after both toggles is the first row of `explain` in tool_test, the
// parts it highlights are a scene of tests/pictures), and a long run's events counted past
// those listed.
#include "sim/explanation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>

#include "circuits.h"
#include "io/circuit_file.h"
#include "io/explanation_text.h"
#include "sim/output_formulas.h"
#include "sim/propagation.h"

namespace tessara {
namespace {

using testing::CircuitBuilder;

// Powers doc up and takes the actions: "t<slot>" toggles, "p<N>" N prop steps ("p" one).
RunHistory Played(Document& doc, const std::string& actions, std::size_t cap) {
  RunHistory history(cap);
  history.Start(CaptureState(doc));
  std::istringstream words(actions);
  for (std::string word; words >> word;) {
    const auto n = static_cast<std::int16_t>(word.size() > 1 ? std::stoi(word.substr(1)) : 1);
    if (word[0] == 't') {
      ToggleInput(doc, n);
      history.Record(CaptureState(doc), StepCause::Toggle, n);
    }
    for (int k = 0; word[0] == 'p' && k < n; ++k) {
      PropStep(doc);
      history.Record(CaptureState(doc), StepCause::Prop);
    }
  }
  return history;
}

// The examples handed out. The half adder: I1 0, I2 1, XOR 2, AND 3, O1 4, O2 5 in links
// 0-9; I1 reaches AND input 0 through nodes 6 and 7 (links 2-4), I2 XOR input 1 through
// nodes 8 and 9 (links 5-7). The ring oscillator: NOT 0 -> NOT 1 -> NOT 2 -> NOT 0, through
// nodes. The SR latch: NOR 2 of I1 and NOR 3, NOR 3 of NOR 2 and I2, driving O1 4 and O2 5.
Document Example(const char* name) {
  return *LoadCircuitFile(std::string(TESSARA_EXAMPLES "/") + name).document;
}
Document HalfAdder() { return Example("half_adder.cir"); }
Document NotRing() { return Example("ring_oscillator.cir"); }
Document SrLatch() { return Example("sr_latch_nor.cir"); }

// AND 0 of NOT 1 and NOT 2, both driven by AND 0: from all-False the NOTs change
// together at the odd steps, the AND at the even ones.
Document AndOfTwoNots() {
  Document doc;
  CircuitBuilder build(doc);
  build.Place(kAndGate), build.Place(kNotGate), build.Place(kNotGate);
  build.Wire(0, 1, 0), build.Wire(0, 2, 0), build.Wire(1, 0, 0), build.Wire(2, 0, 1);
  return doc;
}

// I1 0 to O1 1 through nodes 2 and 3, the segments in link slots 2, 1, 0 from I1 on.
Document ChainThroughNodes() {
  Document doc;
  CircuitBuilder build(doc, CircuitBuilder::SlotOrder(), {2, 1, 0});
  build.Place(kInputGate), build.Place(kOutputGate);
  build.Wire(0, 1, 0, 2);
  return doc;
}

// NAND 0: input 0 not linked but holding 1 (as a link deleted after a run leaves it),
// input 1 from node 1, into which no link runs.
Document NandOfNothing() {
  Document doc;
  testing::PutGate(doc, 0, kNandGate, 2000, 1000).SetSignals(0b0010);
  testing::PutGate(doc, 1, kBufferGate, 1000, 1000);
  testing::PutLink(doc, 0, 1, 0, 1).FromNode = true;
  return doc;
}

// NOT 2 fed by I1 0 in link 1, and by I2 1 through node 3 in links 2 and 0: the walk
// from link 2 writes last.
Document NotLinkedTwice() {
  Document doc;
  CircuitBuilder build(doc, CircuitBuilder::SlotOrder(), {1, 2, 0});
  build.Place(kInputGate, 0, 1000), build.Place(kInputGate, 0, 3000), build.Place(kNotGate);
  build.Wire(0, 2, 0), build.Wire(1, 2, 0, 1);
  return doc;
}

// NOT 0, its input not linked, driving the circuit input I1 1.
Document InputDrivenByNot() {
  Document doc;
  CircuitBuilder build(doc);
  build.Place(kNotGate), build.Place(kInputGate, 0, 1000);
  build.Wire(0, 1, 0);
  return doc;
}

// The kinds with XNOR added, XOR's row but for its code, names and function: a kind in
// no palette and no file.
constexpr auto kWithXnor = [] {
  std::array<KindFacts, kKinds.size() + 1> kinds{};
  std::copy(kKinds.begin(), kKinds.end(), kinds.begin());
  kinds.back() = *FindKind(kXorGate);
  kinds.back().code = 12, kinds.back().word = "xnor", kinds.back().signal = "XNOR";
  kinds.back().truth = 0b1001, kinds.back().summaryPlace = 7;
  return kinds;
}();
static_assert(kinds_check::RowsAgree(kWithXnor));

TEST(Explanation, TracesEachSceneBackToItsTogglesAndPowerUp) {
  struct Row {
    std::function<Document()> scene;
    std::string actions;
    std::int16_t target;
    std::string lines;  // the explanation at the last step
    std::size_t cap = RunHistory::kDefaultCap;
  };
  const Row rows[] = {
      {HalfAdder, "t1 p p", 4,
       "O1 = 1 at step 3\nstep 3: O1 became 1: input 0 = 1 from XOR 2 at step 2\n"
       "step 2: XOR 2 became 1: input 0 = 0 from I1 at step 1, input 1 = 1 from I2 at step 1\n"
       "step 1: I2 became 1: toggled\nstep 0: I1 = 0 at power-up\n"},
      {HalfAdder, "t1 t0 p p t0 p", 3,
       "AND 3 = 0 at step 6\nstep 6: AND 3 became 0: input 0 = 0 from I1 at step 5\n"
       "step 5: I1 became 0: toggled\n"},
      {HalfAdder, "p10", 4, "O1 = 0 at step 10\nstep 6: O1 = 0 at the first kept step\n", 5},
      {SrLatch, "p4", 4,
       "O1 = 1 at step 4\nstep 4: O1 became 1: input 0 = 1 from NOR 2 at step 3\n"
       "step 3: NOR 2 became 1: input 0 = 0 from I1 at step 2, input 1 = 0 from NOR 3 at step 2\n"
       "step 2: NOR 3 became 0: input 0 = 1 from NOR 2 at step 1\n"
       "step 1: NOR 2 became 1: input 0 = 0 from I1 at step 0, input 1 = 0 from NOR 3 at step 0\n"
       "step 0: I1 = 0 at power-up\nstep 0: NOR 3 = 0 at power-up\n"},
      {NotRing, "p2", 0,
       "NOT 0 = 0 at step 2\nstep 2: NOT 0 became 0: input 0 = 1 from NOT 2 at step 1\n"
       "step 1: NOT 2 became 1: input 0 = 0 from NOT 1 at step 0\nstep 0: NOT 1 = 0 at power-up\n"},
      {ChainThroughNodes, "t0 p", 1,
       "O1 = 1 at step 2\nstep 2: O1 became 1: input 0 = 1 from I1 at step 1\n"
       "step 1: I1 became 1: toggled\n"},
      {NandOfNothing, "p", 0,
       "NAND 0 = 1 at step 1\n"
       "step 1: NAND 0 became 1: input 1 = 0 from a bend with no gate before it\n"},
      {NotLinkedTwice, "t0 p", 2,
       "NOT 2 = 1 at step 2\nstep 2: NOT 2 became 1: input 0 = 0 from I2 at step 1\n"
       "step 0: I2 = 0 at power-up\n"},
      {InputDrivenByNot, "p p", 1,
       "I1 = 1 at step 2\nstep 2: I1 became 1: input 0 = 1 from NOT 0 at step 1\n"
       "step 1: NOT 0 became 1: input 0 = 0, not linked\n"},
  };
  for (const Row& row : rows) {
    Document doc = row.scene();
    const RunHistory history = Played(doc, row.actions, row.cap);
    const Explanation explanation = Explain(doc, history, row.target, history.Last());
    EXPECT_EQ(ExplanationText(explanation, SignalRows(doc)), row.lines) << row.lines;
  }
}

TEST(Explanation, LinesArePhrasesWhoseNamesStayNames) {
  Document doc = HalfAdder();
  const RunHistory history = Played(doc, "t1 t0 p p", RunHistory::kDefaultCap);
  const Explanation explanation = Explain(doc, history, 5, 4);
  const std::vector<SignalRow> rows = SignalRows(doc);
  const Phrase line = EventLine(explanation.events[1], rows);
  EXPECT_STREQ(line.pattern, "step %1: %2 became %3: %4");
  EXPECT_EQ(line.parts[1], Name("AND 3"));
  EXPECT_EQ(line.parts[3].English(),
            "input 0 = 1 from I1 at step 2, input 1 = 1 from I2 at step 2");
  EXPECT_EQ(line.parts[3].parts[0].parts[2], Name("I1"));
}

TEST(Explanation, ListsTheLatestFiftyEventsOfALongRunAndCountsTheRest) {
  Document doc = AndOfTwoNots();
  const RunHistory history = Played(doc, "p60", RunHistory::kDefaultCap);
  const Explanation explanation = Explain(doc, history, 0, 60);
  ASSERT_EQ(explanation.events.size(), kExplainedEvents);
  EXPECT_EQ(explanation.events.back().step, 27u) << "the first NOT of step 27 the last listed";
  EXPECT_EQ(explanation.more, 41u) << "the second NOT of step 27, 39 events of steps 26 to 1, "
                                      "the power-up";
  EXPECT_EQ(MoreLine(explanation.more).English(), "... 41 more");
}

// XNOR 2 of I1 0 and I2 1 into O1 3, I1 toggled on: from its row alone a gate computes
// its function only when evaluated, is explained (both inputs decide, whatever they
// hold) and written as a formula. The other kinds' functions are checked by every
// circuit the builder makes (circuit_builder_test).
TEST(Explanation, OfAKindOnlyARowDescribesReadsItsRowAsTheGateAndTheFormulaDo) {
  for (int in = 0; in < 4; ++in) {
    auto g = MakeGate(kWithXnor.back());
    g->SetInputValue(0, in & 1), g->SetInputValue(1, in >> 1);
    EXPECT_FALSE(g->GetCurrOutput()) << "before it is evaluated";
    EXPECT_EQ(g->GetNewOutput(), (in & 1) == (in >> 1)) << in;
  }
  Document doc;
  testing::PutGate(doc, 0, kInputGate, 0, 1000), testing::PutGate(doc, 1, kInputGate, 0, 2000);
  doc.PutGate(2, MakeGate(kWithXnor.back())), doc.EditGate(2).ReadData(3000, 1000, true, 0);
  testing::PutGate(doc, 3, kOutputGate, 8200, 1000);
  testing::PutLink(doc, 0, 0, 2), testing::PutLink(doc, 1, 1, 2, 1), testing::PutLink(doc, 2, 2, 3);
  const RunHistory history = Played(doc, "p t0 p", 8);
  EXPECT_EQ(Explain(doc, history, 2, 3).events.at(0).inputs.size(), 2u) << "I1 = 1, I2 = 0";
  EXPECT_EQ(OutputFormulas(doc).at(0).text, "I1 XNOR I2");
}

}  // namespace
}  // namespace tessara
