#include "io/circuit_builder.h"

#include <cassert>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "io/expression_reader.h"
#include "io/table_text.h"
#include "sim/minimal_form.h"
#include "sim/plan_layout.h"

namespace tessara {
namespace {

constexpr const char* kContext = "Build";

BuildResult Refused(Phrase reason) {
  BuildResult result;
  result.error = {std::move(reason), 0};
  return result;
}

// An operation of its operands, or the one operand alone.
Expression Joined(std::int32_t kind, std::vector<Expression> operands) {
  if (operands.size() == 1) return std::move(operands.front());
  return {kind, 0, std::move(operands)};
}

// A sum of products as an expression: I1 is the top bit of a row.
Expression SumExpression(std::size_t inputs, const std::vector<ProductTerm>& terms) {
  if (terms.empty()) return {kNoGate, 0, {}};
  std::vector<Expression> products;
  for (const ProductTerm& term : terms) {
    if (term.care == 0) return {kNoGate, 1, {}};
    std::vector<Expression> literals;
    for (std::size_t k = 1; k <= inputs; ++k) {
      const unsigned bit = 1u << (inputs - k);
      if ((term.care & bit) == 0) continue;
      Expression input{kInputGate, static_cast<int>(k), {}};
      literals.push_back((term.value & bit) != 0 ? std::move(input)
                                                 : Expression{kNotGate, 0, {std::move(input)}});
    }
    products.push_back(Joined(kAndGate, std::move(literals)));
  }
  return Joined(kOrGate, std::move(products));
}

// The cell output k must show in row r: '0', '1' or 'X' (anything).
using ExpectedCell = std::function<char(std::size_t r, std::size_t k)>;

// Lays the expressions out and checks the circuit against `expected` in every row.
// tooDeep, when given, tells whether a refusal was for the columns alone.
BuildResult Build(const std::vector<Expression>& outputs, std::size_t inputs, GateSet set,
                  const ExpectedCell& expected, bool* tooDeep = nullptr) {
  LaidOut laid = LayOut(MakePlan(outputs, inputs, set));
  if (tooDeep) *tooDeep = laid.tooDeep;
  if (!laid.document) return Refused(std::move(laid.reason));
  const TruthTable table = MakeTruthTable(*laid.document);
  bool same = table.inputs == inputs && table.outputs == outputs.size() &&
              table.rows.size() == std::size_t{1} << inputs;
  for (std::size_t r = 0; same && r < table.rows.size(); ++r) {
    for (std::size_t k = 0; k < outputs.size(); ++k) {
      const char cell = expected(r, k);
      same = same && (cell == 'X' || cell == table.rows[r].out[k]);
    }
  }
  if (!same) {
    BuildResult result =
        Refused(Words(kContext, TESSARA_PHRASE("Build",
                                               "the circuit built does not compute what was asked; "
                                               "this is a fault of Tessara")));
    result.fault = true;
    return result;
  }
  return {std::move(laid.document), {}, false};
}

}  // namespace

BuildResult BuildFromExpressions(std::string_view text, GateSet set) {
  const ExpressionsResult read = ReadExpressions(text);
  if (read.outputs.empty()) return Refused(read.error.reason);
  return Build(read.outputs, read.inputs, set, [&](std::size_t r, std::size_t k) {
    return read.outputs[k].Value(static_cast<unsigned>(r), read.inputs) ? '1' : '0';
  });
}

BuildResult BuildFromTableText(std::string_view text, GateSet set, std::stop_token stop) {
  const TableTextResult read = ReadTableText(text);
  if (!read.table) return {std::nullopt, read.error, false};
  return BuildFromTable(*read.table, set, std::move(stop));
}

BuildResult BuildFromTable(const TruthTable& table, GateSet set, std::stop_token stop) {
  assert(table.inputs > kMaxMinimalInputs || table.rows.size() == std::size_t{1} << table.inputs);
  if (table.inputs > kMaxMinimalInputs) {
    return Refused(Words(kContext,
                         TESSARA_PHRASE("Build", "a table of more than %1 inputs cannot be built"),
                         std::to_string(kMaxMinimalInputs)));
  }
  for (std::size_t k = 0; k < table.outputs; ++k) {
    if (OutputColumn(table, k).find('~') != std::string::npos) {
      return Refused(Words(
          kContext,
          TESSARA_PHRASE("Build", "O%1 does not settle in every row, so no circuit computes it"),
          std::to_string(k + 1)));
    }
  }
  const auto expected = [&](std::size_t r, std::size_t k) { return table.rows[r].out[k]; };
  // Each output as its sum of products; when that needs more columns than the canvas
  // has, as the negation of its complement's (a product of sums, which NOR gates build
  // in fewer columns).
  bool tooDeep = false;
  const auto build = [&](bool complement) {
    std::vector<Expression> outputs;
    for (std::size_t k = 0; k < table.outputs; ++k) {
      std::string column = OutputColumn(table, k);
      for (char& cell : column)
        cell = !complement ? cell : cell == '0' ? '1' : cell == '1' ? '0' : cell;
      Expression sum = SumExpression(table.inputs, Minimise(table.inputs, column, stop).terms);
      outputs.push_back(complement ? Expression{kNotGate, 0, {std::move(sum)}} : std::move(sum));
    }
    return Build(outputs, table.inputs, set, expected, &tooDeep);
  };
  BuildResult built = build(false);
  if (!tooDeep) return built;
  BuildResult other = build(true);
  return other.document || other.fault ? std::move(other) : std::move(built);
}

}  // namespace tessara
