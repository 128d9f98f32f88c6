// The expressions of a circuit's outputs as `tessara-sim expr` prints them and the
// truth table window shows them, two lines per output, O1 first:
//
//   O1 = I1 XOR I2                              what the gates compute (sim/output_formulas.h)
//   O1 minimal = ¬I1·I2 + I1·¬I2                its minimal sum of products (sim/minimal_form.h)
//
// Symbols are UTF-8. The first line ends "  (feedback through NOR 3)" when a loop is
// written by a gate's name; the second reads "minimal form not computed above 8 inputs",
// or "not a function: O1 oscillates in rows 1 1 0, 1 1 1" for a column with '~' in those
// rows ("not a function: O1 oscillates" without inputs), or ends "  (smallest found, not
// proved minimal)" when the search stopped at its limit. Each line is a phrase of context
// "Expressions" (model/phrase.h) whose formulas, names and rows are names; the window
// shows them translated, tessara-sim in English.
#pragma once

#include <cstddef>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"
#include "model/phrase.h"
#include "sim/minimal_form.h"
#include "sim/output_formulas.h"

namespace tessara {

// "O1 = I1 XOR I2", with its feedback note; a formula over kMaxFormulaLength characters
// reads "O1 = formula too long to write (over 4000 characters)".
Phrase FormulaLine(std::string_view output, const OutputFormula& formula);

// "O1 minimal = ..." for the form of a column of a table with `inputs` inputs.
Phrase MinimalLine(std::string_view output, std::size_t inputs, const MinimalForm& form);

// Both lines of every output of doc; nothing without outputs. Makes the truth table only
// for at most kMaxMinimalInputs inputs (at most 256 settled rows). A stop requested ends
// the work early, giving part of the lines or none.
std::vector<Phrase> ExpressionLines(const Document& doc, std::stop_token stop = {});

// The lines as the window shows them: a logic gate met again through a loop is named by
// its tag (io/learner_words.h) and the note reads "(g3 feeds back)":
// "O1 = I1 NOR (g3 NOR I2)  (g3 feeds back)". tagged holds the gates so named, whose
// tags the canvas shows while the lines are shown.
struct WindowExpressions {
  std::vector<Phrase> lines;
  SlotSet tagged;
};
WindowExpressions WindowExpressionLines(const Document& doc, std::stop_token stop = {});

// ExpressionLines in English, each ending '\n'.
std::string ExpressionText(const Document& doc, std::stop_token stop = {});

}  // namespace tessara
