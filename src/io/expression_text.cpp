#include "io/expression_text.h"

#include "io/learner_words.h"
#include "io/table_text.h"
#include "sim/terminals.h"
#include "sim/truth_table.h"

namespace tessara {
namespace {

constexpr const char* kContext = "Expressions";
constexpr const char* kFeedbackNote = TESSARA_PHRASE("Expressions", "%1  (feedback through %2)");

// Row r of a table with n inputs as the table writes its inputs: "1 1 0".
std::string RowText(unsigned r, std::size_t n) {
  std::string cells;
  for (std::size_t k = 1; k <= n; ++k) cells += (r >> (n - k) & 1u) != 0 ? '1' : '0';
  return Spaced(cells);
}

// "O1 = formula", its feedback note written by note ("%1  (feedback through %2)").
Phrase NotedFormulaLine(std::string_view output, const OutputFormula& formula, const char* note) {
  Phrase name = Name(std::string(output));
  if (formula.tooLong) {
    return Words(
        kContext,
        TESSARA_PHRASE("Expressions", "%1 = formula too long to write (over %2 characters)"),
        std::move(name), std::to_string(kMaxFormulaLength));
  }
  Phrase line = Filled("%1 = %2", std::move(name), formula.text);
  if (formula.feedback.empty()) return line;
  return Words(kContext, note, std::move(line), formula.feedback);
}

// Both lines of every output of doc, whose formulas are given, their notes written by note.
std::vector<Phrase> Lines(const Document& doc, const std::vector<OutputFormula>& formulas,
                          const char* note, std::stop_token stop) {
  const std::size_t inputs = FindTerminals(doc).inputs.size();
  const bool tabled = inputs <= kMaxMinimalInputs;  // above, Minimise reads no column
  const TruthTable table = tabled ? MakeTruthTable(doc, {kSettleBound, stop}) : TruthTable{};
  std::vector<Phrase> lines;
  for (std::size_t k = 0; k < formulas.size() && !table.stopped; ++k) {
    const std::string output = 'O' + std::to_string(k + 1);
    lines.push_back(NotedFormulaLine(output, formulas[k], note));
    const MinimalForm form =
        Minimise(inputs, tabled ? OutputColumn(table, k) : std::string(), stop);
    lines.push_back(MinimalLine(output, inputs, form));
  }
  return lines;
}

}  // namespace

Phrase FormulaLine(std::string_view output, const OutputFormula& formula) {
  return NotedFormulaLine(output, formula, kFeedbackNote);
}

Phrase MinimalLine(std::string_view output, std::size_t inputs, const MinimalForm& form) {
  Phrase name = Name(std::string(output));
  switch (form.status) {
    case MinimalForm::Status::TooManyInputs:
      return Words(
          kContext,
          TESSARA_PHRASE("Expressions", "%1 minimal = minimal form not computed above %2 inputs"),
          std::move(name), std::to_string(kMaxMinimalInputs));
    case MinimalForm::Status::NotAFunction: {
      if (inputs == 0 || form.unsteadyRows.empty()) {
        return Words(kContext,
                     TESSARA_PHRASE("Expressions", "%1 minimal = not a function: %1 oscillates"),
                     std::move(name));
      }
      std::string rows;
      for (unsigned row : form.unsteadyRows) {
        rows += (rows.empty() ? "" : ", ") + RowText(row, inputs);
      }
      return Words(
          kContext,
          TESSARA_PHRASE("Expressions", "%1 minimal = not a function: %1 oscillates in rows %2"),
          std::move(name), std::move(rows));
    }
    case MinimalForm::Status::Found:
      break;
  }
  Phrase line = Words(kContext, TESSARA_PHRASE("Expressions", "%1 minimal = %2"), std::move(name),
                      SumOfProducts(inputs, form.terms));
  if (form.proved) return line;
  return Words(kContext, TESSARA_PHRASE("Expressions", "%1  (smallest found, not proved minimal)"),
               std::move(line));
}

std::vector<Phrase> ExpressionLines(const Document& doc, std::stop_token stop) {
  return Lines(doc, OutputFormulas(doc), kFeedbackNote, stop);
}

WindowExpressions WindowExpressionLines(const Document& doc, std::stop_token stop) {
  const std::vector<OutputFormula> formulas = OutputFormulas(doc, GateTag);
  WindowExpressions shown{
      Lines(doc, formulas, TESSARA_PHRASE("Expressions", "%1  (%2 feeds back)"), stop), {}};
  for (const OutputFormula& formula : formulas) shown.tagged |= formula.named;
  return shown;
}

std::string ExpressionText(const Document& doc, std::stop_token stop) {
  std::string text;
  for (const Phrase& line : ExpressionLines(doc, stop)) text += line.English() + '\n';
  return text;
}

}  // namespace tessara
