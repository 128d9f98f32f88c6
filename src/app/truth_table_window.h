// The truth table window (Options > Truth Table): the table of the circuit in the main
// window, every row with its timing note, made by the core's engine
// (sim/truth_table.h) exactly as `tessara-sim table --timing` makes it for the saved
// circuit. Non-modal, built on first use; while shown it follows every act of the
// companion context (CompanionContext::acted) and recomputes only when the circuit's
// saved text changed (a hidden window catches up when shown again).
// A click on a row runs that row on the canvas (TruthTableRow_Click); "Copy" puts the
// table's text on the clipboard. Under the table stand the outputs' expressions; the
// "Karnaugh Map" tab maps an output, a click on a cell running its row as well. Above
// the table, the check against the exercise's expected answer (editor/expected_answer.h),
// with "Compare With..." and "Clear"; each row then carries its mark. It speaks to the
// circuit only through the context's form and acts, never through the main window's
// widgets.
#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <string>

#include "editor/form.h"
#include "sim/truth_table.h"

class QLabel;
class QLayout;
class QPushButton;
class QTableView;

namespace tessara::app {

class CompanionContext;
class ExpressionsView;
class KarnaughPanel;
class TruthTableModel;

class TruthTableWindow : public QWidget {
  Q_OBJECT
 public:
  // A window of its own, titled "Tessara - Truth Table", showing the context's circuit;
  // a child of the context's main window, it closes with it. context outlives it.
  explicit TruthTableWindow(CompanionContext& context);

  // Recomputes the table, the expressions and the map when shown and the circuit's
  // saved text differs from the one shown last; checks the table against the expected
  // answer then, and when another answer was taken or it was cleared.
  void Follow();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // The text "Copy" puts on the clipboard; empty when no table is shown.
  std::string CopyText() const;
  void OnRowClicked(int row);
  QLayout* BuildCheckBar();
  void ShowTable();
  void ShowCheck();

  CompanionContext& context_;
  std::string shownCircuit_;  // WriteCircuit text of the circuit whose table is shown
  std::optional<TruthTable> table_;
  std::shared_ptr<const ExpectedAnswer> checked_;  // the answer the table was checked against
  QLabel* message_ = nullptr;
  QTableView* view_ = nullptr;
  TruthTableModel* model_ = nullptr;
  QPushButton* copy_ = nullptr;
  QLabel* checkLine_ = nullptr;
  QPushButton* clear_ = nullptr;
  ExpressionsView* expressions_ = nullptr;
  KarnaughPanel* karnaugh_ = nullptr;
};

}  // namespace tessara::app
