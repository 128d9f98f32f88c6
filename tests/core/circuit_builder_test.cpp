// Circuits built from algebra: the expression reader's syntax, precedence and errors,
// the gate sets against every function of up to 3 inputs, the layout's rules on random
// expressions, and the refusal of a circuit that does not fit.
#include "io/circuit_builder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "io/expression_reader.h"
#include "model/canvas.h"
#include "model/cell.h"
#include "model/gatekinds.h"
#include "model/kinds.h"
#include "sim/truth_table.h"

namespace tessara {
namespace {

// The outputs' columns of a text's expressions, over `inputs` inputs: "0110 1000".
std::string Columns(const std::string& text, std::size_t inputs) {
  const ExpressionsResult read = ReadExpressions(text);
  EXPECT_FALSE(read.outputs.empty()) << text << ": " << read.error.reason.English();
  std::string columns;
  for (const Expression& e : read.outputs) {
    if (!columns.empty()) columns += ' ';
    for (unsigned r = 0; r < 1u << inputs; ++r) columns += e.Value(r, inputs) ? '1' : '0';
  }
  return columns;
}

TEST(ExpressionReader, ReadsEachSyntaxWithNotOverAndOverXorOverOr) {
  const std::pair<const char*, const char*> kSame[] = {
      {"O1 = (I1 AND I2) OR NOT I3", "(I1 AND I2) OR (NOT I3)"},
      {"O1 = \u00ACI1\u00B7I2 + I1\u00B7\u00ACI2", "I1 XOR I2"},
      {"!I1 & I2 | I1 * ~I2", "I1 XOR I2"},
      {"I1 + I2 ^ I3 \u00B7 I4", "I1 OR (I2 XOR (I3 AND I4))"},
      {"NOT I1 AND I2", "(NOT I1) AND I2"},
      {"(I1 | I2)' ^ 1", "NOT (NOT (I1 OR I2))"},
      {"i1 nand i2 nor I3", "(I1 NAND I2) NOR I3"},
      {"I1 NAND (I2 NAND I3)", "NOT (I1 AND NOT (I2 AND I3))"},
      {"I3 & 0 | I1 & I2 & I3 & I4", "(I1 AND I2) AND (I3 AND I4)"},
      {"O2 = I4\nO1 = I1 XOR I4\n\n# a note\n", "I1 XOR I4\r\nI4"},
  };
  for (const auto& [text, same] : kSame) {
    EXPECT_EQ(Columns(text, 4), Columns(same, 4)) << text;
  }
}

TEST(ExpressionReader, NamesTheColumnAndWhenThereAreSeveralTheLineOfAnError) {
  const std::pair<std::string, const char*> kErrors[] = {
      {"O1 = (I1 AND I2) OR ) I3", "column 21: expected an input name or (, found )"},
      {"O1 = I1 AND", "column 12: expected an input name or (, found the end of the line"},
      {"I1' I2'", "column 5: expected an operator, found I2"},
      {"I1 NAND I2 NAND I3", "column 12: NAND does not chain: put parentheses around one side"},
      {"I1 NOR I2 + I3", "column 11: NOR does not chain: put parentheses around one side"},
      {"(NOR 3 AND I1) OR I2", "column 2: NOR 3 is a gate's name; only inputs can be built from"},
      {"\u00ACI1 \u00B7 (I2", "column 10: expected ), found the end of the line"},
      {"I1\nO1 = I2 $ I3", "line 2, column 9: expected an operator, found $"},
      {"O1 = I1\nO1 = I2", "line 2, column 1: O1 is given twice"},
      {"O2 = I1", "O1 has no expression"},
      {"O1 I1", "column 4: expected =, found I1"},
      {"I0 + I1", "column 1: a circuit holds no I0"},
      {"# nothing\n", "no expression to build"},
      {"I1" + std::string(501, '\''),
       "column 503: more than 500 parentheses and negations in one line"},
  };
  for (const auto& [text, error] : kErrors) {
    const ExpressionsResult read = ReadExpressions(text);
    EXPECT_TRUE(read.outputs.empty()) << text;
    EXPECT_EQ(read.error.reason.English(), error) << text;
  }
}

// Every used gate of doc is a circuit input, output, node, or a gate the set allows.
bool OnlyGatesOf(const Document& doc, GateSet set) {
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    const std::int32_t type = doc.Gates(i).GetUsed() ? doc.Gates(i).GetType() : kNoGate;
    if (!HasRole(type, KindRole::Logic)) continue;
    if (set == GateSet::NandOnly && type != kNandGate) return false;
    if (set == GateSet::NorOnly && type != kNorGate) return false;
  }
  return true;
}

constexpr GateSet kSets[] = {GateSet::Any, GateSet::NandOnly, GateSet::NorOnly};

// The plan's output in row r, each gate computed by the model's gate of its kind.
bool PlanValue(const GatePlan& plan, unsigned r) {
  std::vector<bool> value;
  const auto of = [&](int s) { return s != kZero && value[static_cast<std::size_t>(s)]; };
  for (const PlanTerm& term : plan.terms) {
    std::unique_ptr<Gate> g = MakeGate(term.kind);
    g->SetInputValue(0, of(term.a));
    if (InputCount(term.kind) == 2) g->SetInputValue(1, of(term.b));
    if (term.kind == kInputGate)
      g->SetInputValue(0, (r >> (plan.inputs - static_cast<std::size_t>(term.input)) & 1u) != 0);
    value.push_back(g->GetNewOutput());
  }
  return of(plan.outputs.at(0));
}

TEST(CircuitBuilder, RewritesEveryFunctionOfUpToThreeInputsIntoEachGateSetAndBuildsWhatFits) {
  int built = 0;
  for (std::size_t n = 0; n <= 3; ++n) {
    for (unsigned f = 0; f < 1u << (1u << n); ++f) {
      TruthTable table{n, 1, {}, kSettleBound, false};
      std::vector<Expression> sum(1, Expression{kOrGate, 0, {}});  // of its rows' minterms
      for (unsigned r = 0; r < 1u << n; ++r) {
        table.rows.push_back({RowInputs(r, n), (f >> r & 1u) != 0 ? "1" : "0"});
        Expression minterm{kAndGate, 0, {{kNoGate, 1, {}}}};
        for (std::size_t k = 1; k <= n; ++k) {
          Expression input{kInputGate, static_cast<int>(k), {}};
          const bool on = (r >> (n - k) & 1u) != 0;
          minterm.operands.push_back(on ? input : Expression{kNotGate, 0, {input}});
        }
        if ((f >> r & 1u) != 0) sum[0].operands.push_back(minterm);
      }
      sum[0].operands.push_back({kNoGate, 0, {}});
      for (GateSet set : kSets) {
        const GatePlan plan = MakePlan(sum, n, set);
        for (unsigned r = 0; r < 1u << n; ++r) {
          ASSERT_EQ(PlanValue(plan, r), (f >> r & 1u) != 0)
              << n << " inputs, " << f << ", row " << r;
        }
        for (const PlanTerm& term : plan.terms) {
          EXPECT_TRUE(set == GateSet::Any || term.kind == kInputGate ||
                      term.kind == (set == GateSet::NandOnly ? kNandGate : kNorGate));
        }
        const BuildResult result = BuildFromTable(table, set);  // checked against the table
        EXPECT_FALSE(result.fault) << f << ' ' << GateSetWord(set);
        built += result.document && OnlyGatesOf(*result.document, set) ? 1 : 0;
      }
    }
  }
  EXPECT_GE(built, 3 * 278 - 12);
}

// A random expression over I1..I4 in the written forms a learner mixes.
std::string RandomExpression(std::mt19937& random, int depth) {
  const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  if (depth == 0 || pick(4) == 0) return pick(12) == 0 ? "1" : "I" + std::to_string(1 + pick(4));
  static const char* const kOps[] = {" AND ", " OR ",   " XOR ", " NAND ",
                                     " NOR ", "\u00B7", " + ",   "^"};
  const std::string a = RandomExpression(random, depth - 1);
  if (pick(5) == 0) return "NOT (" + a + ")";
  return "(" + a + kOps[pick(8)] + RandomExpression(random, depth - 1) + ")";
}

struct Box {
  float left, top, size;
  bool Holds(float x, float y) const {  // strictly inside
    return x > left && x < left + size && y > top && y < top + size;
  }
};

Box BoxOf(const Gate& g) {
  return {g.GetX(), g.GetY(), g.GetType() == kBufferGate ? float{135} : float{795}};
}

// The ends of a link segment: a node's corner or an upright gate's pin.
std::pair<float, float> End(const Document& doc, std::int16_t slot, bool node, bool output,
                            std::int16_t num) {
  const Gate& g = doc.Gates(slot);
  if (node) return {g.GetX(), g.GetY()};
  if (output) return {g.GetX() + kCellSize, g.GetY() + kHalfCell};
  return {g.GetX(), g.GetY() + g.GetInputOffset(num)};
}

// Overlapping boxes, a segment running through a box, and anything off the canvas.
std::string BrokenRule(const Document& doc) {
  std::vector<Box> boxes;
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    if (!doc.Gates(i).GetUsed()) continue;
    const Box b = BoxOf(doc.Gates(i));
    if (b.top < 0 || b.top + b.size > kCanvasHeight || b.left < 0) return "off the canvas";
    for (const Box& o : boxes) {
      if (b.left < o.left + o.size && o.left < b.left + b.size && b.top < o.top + o.size &&
          o.top < b.top + b.size)
        return "two overlap";
    }
    boxes.push_back(b);
  }
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    const Link& l = doc.Links(i);
    if (!l.GetUsed()) continue;
    const auto [x1, y1] = End(doc, l.Source, l.FromNode, true, 0);
    const auto [x2, y2] = End(doc, l.Target, l.ToNode, false, l.TargetInput);
    for (std::int16_t g = 0; g < kSlotCount; ++g) {
      if (!doc.Gates(g).GetUsed() || doc.Gates(g).GetType() == kBufferGate) continue;
      const Box b = BoxOf(doc.Gates(g));
      for (int k = 1; k < 100; ++k) {
        const float t = static_cast<float>(k) / 100;
        if (b.Holds(x1 + (x2 - x1) * t, y1 + (y2 - y1) * t))
          return "link " + std::to_string(i) + " crosses a gate";
      }
    }
  }
  return "";
}

TEST(CircuitBuilder, LaysRandomExpressionsOutWithoutOverlapsOrLinksAcrossGatesOnTheCanvas) {
  std::mt19937 random(27);
  int built = 0;
  for (int k = 0; k < 300; ++k) {
    const std::string text =
        "O1 = " + RandomExpression(random, 3) + "\nO2 = " + RandomExpression(random, 2);
    const GateSet set = kSets[k % 3];
    const BuildResult result = BuildFromExpressions(text, set);
    EXPECT_FALSE(result.fault) << text;
    if (!result.document) continue;  // refused: too big
    ++built;
    EXPECT_EQ(BrokenRule(*result.document), "") << GateSetWord(set) << ": " << text;
    const TruthTable table = MakeTruthTable(*result.document);
    EXPECT_EQ(OutputColumn(table, 0) + ' ' + OutputColumn(table, 1), Columns(text, table.inputs))
        << text;
  }
  EXPECT_GT(built, 200);
}

TEST(CircuitBuilder, RefusesACircuitThatDoesNotFitOrATableThatIsNoFunctionAndSaysWhy) {
  const std::string parity = "I1^I2^I3^I4^I5^I6^I7^I8^I9^I10";
  const std::pair<GateSet, const char*> kRefusals[] = {
      {GateSet::NorOnly, "this circuit needs 56 places; a circuit holds 51"},
      {GateSet::Any, ""},
  };
  for (const auto& [set, reason] : kRefusals) {
    const BuildResult built = BuildFromExpressions(parity, set);
    EXPECT_EQ(built.error.reason.English(), reason);
    EXPECT_EQ(built.document.has_value(), *reason == '\0');
  }
  EXPECT_EQ(BuildFromExpressions("I11", GateSet::Any).error.reason.English(),
            "this circuit needs 11 places in one column; the canvas holds 10");
  const TruthTable oscillates{1, 1, {{"0", "0"}, {"1", "~"}}, kSettleBound, false};
  EXPECT_EQ(BuildFromTable(oscillates, GateSet::Any).error.reason.English(),
            "O1 does not settle in every row, so no circuit computes it");
}

}  // namespace
}  // namespace tessara
