#include "io/expression_text.h"

#include "io/table_text.h"
#include "sim/terminals.h"
#include "sim/truth_table.h"

namespace tessara {
namespace {

// Row r of a table with n inputs as the table writes its inputs: "1 1 0".
std::string RowText(unsigned r, std::size_t n) {
  std::string cells;
  for (std::size_t k = 1; k <= n; ++k) cells += (r >> (n - k) & 1u) != 0 ? '1' : '0';
  return Spaced(cells);
}

}  // namespace

std::string FormulaLine(std::string_view output, const OutputFormula& formula) {
  std::string line = std::string(output) + " = ";
  if (formula.tooLong) {
    return line + "formula too long to write (over " + std::to_string(kMaxFormulaLength) +
           " characters)";
  }
  line += formula.text;
  if (!formula.feedback.empty()) line += "  (feedback through " + formula.feedback + ')';
  return line;
}

std::string MinimalLine(std::string_view output, std::size_t inputs, const MinimalForm& form) {
  std::string line = std::string(output) + " minimal = ";
  switch (form.status) {
    case MinimalForm::Status::TooManyInputs:
      return line + "minimal form not computed above " + std::to_string(kMaxMinimalInputs) +
             " inputs";
    case MinimalForm::Status::NotAFunction:
      line += "not a function: " + std::string(output) + " oscillates";
      for (std::size_t i = 0; inputs > 0 && i < form.unsteadyRows.size(); ++i) {
        line += (i == 0 ? " in rows " : ", ") + RowText(form.unsteadyRows[i], inputs);
      }
      return line;
    case MinimalForm::Status::Found:
      break;
  }
  line += SumOfProducts(inputs, form.terms);
  if (!form.proved) line += "  (smallest found, not proved minimal)";
  return line;
}

std::string ExpressionText(const Document& doc, std::stop_token stop) {
  const std::size_t inputs = FindTerminals(doc).inputs.size();
  const std::vector<OutputFormula> formulas = OutputFormulas(doc);
  const bool tabled = inputs <= kMaxMinimalInputs;  // above, Minimise reads no column
  const TruthTable table = tabled ? MakeTruthTable(doc, {kSettleBound, stop}) : TruthTable{};
  std::string text;
  for (std::size_t k = 0; k < formulas.size() && !table.stopped; ++k) {
    const std::string output = 'O' + std::to_string(k + 1);
    text += FormulaLine(output, formulas[k]) + '\n';
    const MinimalForm form =
        Minimise(inputs, tabled ? OutputColumn(table, k) : std::string(), stop);
    text += MinimalLine(output, inputs, form) + '\n';
  }
  return text;
}

}  // namespace tessara
