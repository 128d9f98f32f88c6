// The formula each output computes, read from the gates: a table of circuits. The
// examples' formulas (the full adder's, the NOR latch's) are those `tessara-sim expr`
// prints in tool_test; the window's, which name gates by their tags, the truth table
// window's in app_tests.
#include "sim/output_formulas.h"

#include <gtest/gtest.h>

#include <functional>

#include "circuits.h"
#include "io/expression_text.h"

namespace tessara {
namespace {
using testing::CircuitBuilder;

// Inputs I1.. down the left column, then the gates the row adds; the output O1 on top.
struct Circuit {
  Document doc;
  CircuitBuilder build;
  std::vector<std::int16_t> in;
  std::int16_t out;
  Circuit(int inputs, std::vector<std::int16_t> linkSlots = CircuitBuilder::SlotOrder())
      : build(doc, CircuitBuilder::SlotOrder(), std::move(linkSlots)) {
    for (int i = 1; i <= inputs; ++i) in.push_back(build.Place(kInputGate, 0, float(1000 * i)));
    out = build.Place(kOutputGate, 8200, 500);
  }
  std::int16_t Two(std::int32_t kind, std::int16_t a, std::int16_t b) {
    const std::int16_t g = build.Place(kind);
    if (a >= 0) build.Wire(a, g, 0);
    if (b >= 0) build.Wire(b, g, 1);
    return g;
  }
  std::int16_t Not(std::int16_t a) {
    const std::int16_t g = build.Place(kNotGate);
    build.Wire(a, g, 0);
    return g;
  }
  std::int16_t NandXor(std::int16_t a, std::int16_t b) {
    const std::int16_t n = Two(kNandGate, a, b);
    return Two(kNandGate, Two(kNandGate, a, n), Two(kNandGate, b, n));
  }
};

TEST(OutputFormula, OfEachCircuitIsWhatItsGatesComputeLoopsAndOtherOutputsByName) {
  const struct {
    const char* circuit;
    std::function<void(Circuit&)> build;
    int inputs;
    std::string line;
    std::vector<std::int16_t> linkSlots = CircuitBuilder::SlotOrder();
  } rows[] = {
      {"half adder's carry through a node",
       [](Circuit& c) { c.build.Wire(c.Two(kAndGate, c.in[0], c.in[1]), c.out, 0, 1); }, 2,
       "O1 = I1 AND I2"},
      {"NOT of a two-input operand and as one",
       [](Circuit& c) {
         c.build.Wire(c.Two(kOrGate, c.Two(kAndGate, c.in[0], c.in[1]), c.Not(c.in[2])), c.out, 0);
       },
       3, "O1 = (I1 AND I2) OR NOT I3"},
      {"NAND-only XOR", [](Circuit& c) { c.build.Wire(c.NandXor(c.in[0], c.in[1]), c.out, 0); }, 2,
       "O1 = (I1 NAND (I1 NAND I2)) NAND (I2 NAND (I1 NAND I2))"},
      {"output fed back into its own driver",
       [](Circuit& c) { c.build.Wire(c.Two(kAndGate, c.in[0], c.out), c.out, 0); }, 1,
       "O1 = I1 AND O1  (feedback through O1)"},
      {"unlinked input place and another output on the way",
       [](Circuit& c) {
         const std::int16_t below = c.build.Place(kOutputGate, 8200, 3000);  // O2
         c.build.Wire(c.in[0], below, 0);
         c.build.Wire(c.Two(kAndGate, below, -1), c.out, 0);
       },
       1, "O1 = O2 AND 0"},
      {"two links on one place: the walk through a node carries last",
       [](Circuit& c) {
         c.build.Wire(c.in[1], c.out, 0);     // link slot 1
         c.build.Wire(c.in[0], c.out, 0, 1);  // head in link slot 2, tail in 0
       },
       2,
       "O1 = I1",
       {1, 2, 0}},
      {"two links on one place: the later slot carries last",
       [](Circuit& c) {
         c.build.Wire(c.in[0], c.out, 0);
         c.build.Wire(c.in[1], c.out, 0);
       },
       2, "O1 = I2"},
      {"circuit input driven through a link, and one closing a loop",
       [](Circuit& c) {
         c.build.Wire(c.Not(c.in[0]), c.in[1], 0);
         c.build.Wire(c.Two(kAndGate, c.in[1], c.in[2]), c.in[2], 0);
         c.build.Wire(c.Two(kOrGate, c.in[1], c.in[2]), c.out, 0);
       },
       3, "O1 = NOT I1 OR (NOT I1 AND I3)  (feedback through I3)"},
      {"XOR chain of NANDs fanning out",
       [](Circuit& c) {
         std::int16_t x = c.in[0];
         for (int i = 1; i < 6; ++i) x = c.NandXor(x, c.in[static_cast<std::size_t>(i)]);
         c.build.Wire(x, c.out, 0);
       },
       6, "O1 = formula too long to write (over 4000 characters)"},
  };
  for (const auto& row : rows) {
    Circuit circuit(row.inputs, row.linkSlots);
    row.build(circuit);
    const std::vector<OutputFormula> formulas = OutputFormulas(circuit.doc);
    ASSERT_FALSE(formulas.empty()) << row.circuit;
    EXPECT_EQ(FormulaLine("O1", formulas.front()).English(), row.line) << row.circuit;
  }
}

TEST(MinimalLine, SaysWhenTheFormIsNotProvedMinimal) {
  MinimalForm form;
  form.terms = {{0b10, 0b10}};
  form.proved = false;
  EXPECT_EQ(MinimalLine("O2", 2, form).English(),
            "O2 minimal = I1  (smallest found, not proved minimal)");
}

}  // namespace
}  // namespace tessara
