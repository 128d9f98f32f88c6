// The truth table window (Options > Truth Table): the table of the circuit in the main
// window, every row with its timing note, made by the core's engine
// (sim/truth_table.h) exactly as `tessara-sim table --timing` makes it for the saved
// circuit. Non-modal, built on first use; while shown it follows every act of the
// companion context (CompanionContext::acted) and recomputes only when the circuit's
// saved text changed (a hidden window catches up when shown again).
// The rows are made on a worker thread from a copy of the circuit, so the event loop
// never waits for them: the window says how far the work is ("row 1,234 of 65,536") and
// shows the rows found so far, each batch posted back at most every kBatchEvery. A
// change of the circuit stops the work and starts it again; closing the window or
// destroying it stops it at once (within a few thousand prop steps).
// A click on a finished row runs that row on the canvas (OnTruthTableRow); "Copy",
// greyed until the table is complete, puts the table's text on the clipboard; the
// context menus of Copy, the table and the map copy or save their pictures
// (app/picture_actions.h); "Build Circuit..." builds a circuit from the expected answer's
// table, or else from the complete table shown, and opens it as a new circuit
// (app/build_dialog.h). Under the
// table stand the outputs' expressions, the canvas showing the tag of each gate they name
// by it until the window closes; the "Karnaugh Map" tab maps an output of the
// complete table, a click on a cell running its row as well. Above the table, the check
// of the complete table against the exercise's expected answer
// (editor/expected_answer.h), with "Compare With..." and "Clear"; each row then carries
// its mark. It speaks to the circuit only through the context's form and acts, never
// through the main window's widgets.
#pragma once

#include <QWidget>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

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
  static constexpr std::chrono::milliseconds kBatchEvery{50};

  // A window of its own, titled "Tessara - Truth Table", showing the context's circuit;
  // a child of the context's main window, it closes with it. context outlives it.
  explicit TruthTableWindow(CompanionContext& context);
  // Lets go of the tables' scroll bars first: QWidget's destructor hides the children,
  // and their ranges change after this window has stopped being one.
  ~TruthTableWindow() override;

  // Starts the table and the expressions again when shown and the circuit's saved text
  // differs from the one shown last; checks the complete table against the expected
  // answer, and again when another answer was taken or it was cleared.
  void Follow();
  // True while rows are being made.
  bool Working() const { return worker_.joinable() && !complete_; }

 protected:
  void showEvent(QShowEvent* event) override;
  // Stops unfinished work; the next showing starts it again.
  void closeEvent(QCloseEvent* event) override;

 private:
  // Makes the table of circuit on a new worker; the rows come back through Take.
  void Start(Document circuit);
  // Asks the worker to stop and waits for it (a few milliseconds at most).
  void Stop();
  // On the event thread: rows found by work number `work`, the last when done.
  void Take(unsigned work, std::vector<TableRow> rows, bool done);
  // The message over the table: how far the work is, what the circuit lacks, or
  // noTable when there is no table; and Copy enabled once the table is complete.
  void ShowMessage(const QString& noTable);
  // The text "Copy" puts on the clipboard; empty when no table is shown.
  std::string CopyText() const;
  void OnRowClicked(int row);
  QLayout* BuildCheckBar();
  // The rows in two parts side by side: the inputs' columns, which scroll sideways, and
  // the outputs', check and note columns, which stay in view; one selection, one
  // vertical scroll bar.
  QWidget* BuildRows();
  // Shows each column in its part, after the model's columns changed.
  void SplitColumns();
  // Gives both parts a sideways scroll bar when either needs one.
  void AlignRows();
  void ShowTable();
  void ShowCheck();

  CompanionContext& context_;
  std::uint64_t shownRevision_ = 0;  // the revision of the circuit whose table is shown
  std::optional<TruthTable> table_;  // the rows found so far; none past 16 inputs
  bool complete_ = false;
  unsigned work_ = 0;  // counts the works started: rows of an older one are dropped
  std::shared_ptr<const ExpectedAnswer> checked_;  // the answer the table was checked against
  QLabel* message_ = nullptr;
  QTableView* view_ = nullptr;     // the inputs' columns
  QTableView* outputs_ = nullptr;  // the outputs', check and note columns
  TruthTableModel* model_ = nullptr;
  QPushButton* copy_ = nullptr;
  QPushButton* build_ = nullptr;  // Build Circuit...: from the expected answer, else this table
  QPushButton* stop_ = nullptr;   // shown while the table is computed; drops the rows so far
  QLabel* checkLine_ = nullptr;
  QPushButton* clear_ = nullptr;
  ExpressionsView* expressions_ = nullptr;
  KarnaughPanel* karnaugh_ = nullptr;
  std::jthread worker_;  // last: stopped and joined before anything else goes
};

}  // namespace tessara::app
