// The expected answer of an exercise, which the truth table window checks the circuit's
// table against row by row. "Compare With..." chooses it: a table text or a circuit file,
// read as `tessara-sim compare` reads EXPECTED (io/grading.h), 'X' cells and all. A
// circuit opened from NAME.cir takes NAME.expected from the same folder when there is
// one. It stays until "Clear" or another is taken: New, Open of a circuit without one,
// undo and redo keep it, as it belongs to the exercise rather than to one circuit.
// The texts are phrases in context "Comparison" (the counts line in "Grading").
#pragma once

#include <string>
#include <vector>

#include "editor/form.h"
#include "model/phrase.h"

namespace tessara {

// "Compare With...": asks for a file (table texts, circuits or any file; the circuit's
// NAME.expected offered) and takes it as
// the expected answer. A file that cannot be used shows an "Error" box naming it and
// the reason, and keeps the expected answer there was. A cancelled dialog does nothing.
void OnCompareWith(Form& form);
// "Clear": no expected answer.
void OnClearExpected(Form& form);
// After the circuit at circuitPath was opened: takes the file of the same name with the
// suffix ".expected" beside it when there is one, as OnCompareWith would.
void TakeExpectedBeside(Form& form, const std::string& circuitPath);

// "Checked against full_adder.expected".
Phrase CheckedAgainst(const ExpectedAnswer& expected);

struct RowCheck {
  bool differs = false;
  Phrase mark;  // "✓", or "expected 1 0": the expected outputs
  bool operator==(const RowCheck&) const = default;
};

struct TableCheck {
  Phrase summary;              // "All 8 rows match", "3 of 8 rows differ", or the counts
                               // line "expected 3 inputs and 2 outputs, found ..."
  std::vector<RowCheck> rows;  // one per row of the table when the counts agree, else none
  bool operator==(const TableCheck&) const = default;
};

// table, a whole truth table of the circuit, checked against expected as
// `tessara-sim compare` checks it; a sequence is not checked here, the summary says
// where it is.
TableCheck CheckTable(const ExpectedAnswer& expected, const TruthTable& table);

}  // namespace tessara
