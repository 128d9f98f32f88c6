// "Tessara - Timeline": the recorded run of the main window's circuit, with Step Back,
// Step Forward, Run and its rate, a step counter, the repeat note, and Save Picture
// and Save Values. It reads the form's document and history, changes them only
// through the companion context's acts (so the main window refreshes as for its own
// commands), follows every act, and asks for file names through the form's screen.
// With a sequence as the expected answer it also holds the sequence's check
// (editor/sequence_check.h): made on a worker thread over a copy of the circuit after
// every edit, a summary above the timeline, a list of the rows beside it, and the rows'
// marks on the ruler while the run is the sequence's own. Play Sequence makes its run
// the powered run; a click on a mark or a row plays it and goes to that row.
#pragma once

#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "editor/sequence_check.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace tessara::app {

class CompanionContext;
class TimelineView;

class TimelineWindow : public QWidget {
  Q_OBJECT
 public:
  // A window of its own, a child of the context's main window; context outlives it.
  explicit TimelineWindow(CompanionContext& context);

  TimelineView& View() { return *view_; }
  QString Note() const;
  // The check's lines above the timeline: "Checked against NAME", then its summary.
  QString CheckLine() const;
  // Plays the check's run and goes to row's step, as a click on its mark does.
  void GoToRow(std::size_t row);

 signals:
  // A row that differs was chosen: Why now explains its first differing output.
  void whyAsked();

 public slots:
  // Follows the form: rows, waves, counter, note and which buttons work.
  void Refresh();

 private:
  void SavePicture();
  void SaveValues();
  // Starts a new check when the answer or the circuit changed; marks the ruler.
  void FollowCheck();
  // A finished check of work number work; an older one is dropped.
  void TakeCheck(int work, std::optional<SequenceCheck> check);
  void ShowCheck();
  // True while the form's run is the check's: powered on its circuit, its steps recorded.
  bool RunIsChecks() const;

  CompanionContext& context_;
  TimelineView* view_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* forward_ = nullptr;
  QPushButton* run_ = nullptr;
  QComboBox* rate_ = nullptr;
  QLabel* counter_ = nullptr;
  QLabel* note_ = nullptr;
  QLabel* check_ = nullptr;
  QPushButton* play_ = nullptr;
  QListWidget* rows_ = nullptr;
  std::shared_ptr<const ExpectedAnswer> checkedAnswer_;  // the sequence being checked
  std::uint64_t checkedRevision_ = 0;                    // the revision of the circuit it checks
  std::optional<SequenceCheck> done_;                    // the finished check, if any
  int work_ = 0;
  std::jthread worker_;  // last: stopped and joined before anything else goes
};

}  // namespace tessara::app
