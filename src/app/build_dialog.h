// The dialog that builds a circuit from algebra (io/circuit_builder.h): File > New From
// Expression... (expression lines typed in a box, a line under it saying at once what
// is wrong with them) and the truth table window's "Build Circuit..." (a table given);
// both choose the gate set. OK builds on a worker thread over a copy of what it builds
// from, so the window never waits for a long minimisation; Cancel or closing the dialog
// stops the work. A circuit that cannot be built says why on the dialog's line and the
// dialog stays open; a built one closes it and is taken with Circuit().
#pragma once

#include <QDialog>
#include <memory>
#include <optional>
#include <thread>

#include "io/circuit_builder.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QPlainTextEdit;

namespace tessara::app {

class CompanionContext;

// Stops the run clock, shows the dialog over parent, from table when given (else from
// typed expressions), and opens the circuit it built as a new circuit: one act of
// context (NewFromCircuit), after the unsaved-changes question, one step to undo.
void BuildAndOpen(CompanionContext& context, QWidget* parent,
                  std::optional<TruthTable> table = std::nullopt);

class BuildDialog : public QDialog {
  Q_OBJECT
 public:
  // From typed expressions, titled "New From Expression".
  explicit BuildDialog(QWidget* parent);
  // From table, titled "Build Circuit".
  BuildDialog(QWidget* parent, TruthTable table);
  ~BuildDialog() override;

  // The circuit built once the dialog was accepted; nothing before.
  std::optional<Document>& Circuit() { return circuit_; }

  // What OK does, for tests and keys: builds (on the worker), then closes when built.
  void Build();

 private:
  void Lay(QWidget* source);
  void ShowTextProblem();
  void Take(unsigned work, std::shared_ptr<BuildResult> result);
  GateSet ChosenSet() const;

  std::optional<TruthTable> table_;  // the table built from; none: the typed expressions
  QPlainTextEdit* text_ = nullptr;
  QComboBox* gates_ = nullptr;
  QLabel* problem_ = nullptr;
  QDialogButtonBox* buttons_ = nullptr;
  std::optional<Document> circuit_;
  unsigned work_ = 0;
  std::jthread worker_;  // last: stopped and joined before anything else goes
};

}  // namespace tessara::app
