// The main window's companion windows, each made on first use, given the companion
// context and placed beside the main window: the timeline to its right, Why to its
// right below the timeline, the truth table below it, each moved as far as it must to
// lie wholly on the main window's screen. Each is a child of the main window and closes
// with it, and the main window's shortcuts work from it as from the main window.
#pragma once

#include <QList>
#include <QPoint>

class QAction;
class QWidget;

namespace tessara::app {

class CompanionContext;
class TimelineWindow;
class TruthTableWindow;
class WhyWindow;

class CompanionWindows {
 public:
  // context outlives this.
  explicit CompanionWindows(CompanionContext& context) : context_(context) {}

  // The main window's commands, whose shortcuts each companion takes too; they outlive
  // this. Call before the first companion is made.
  void ShareCommands(QList<QAction*> commands) { commands_ = std::move(commands); }

  // Options > Timeline: the timeline, brought up to date, shown, raised and active.
  TimelineWindow& ShowTimeline();
  // Options > Truth Table: the truth table window, shown, raised and active.
  TruthTableWindow& ShowTruthTable();
  // A press on a value label: "Tessara - Why", shown, raised and active.
  WhyWindow& ShowWhy();

 private:
  // A companion just made: the commands' shortcuts, and its frame at `at`, moved and
  // if need be shrunk to lie wholly on the main window's screen.
  void Adopt(QWidget& companion, QPoint at);

  CompanionContext& context_;
  QList<QAction*> commands_;
  TimelineWindow* timeline_ = nullptr;  // owned by the main window
  TruthTableWindow* truthTable_ = nullptr;
  WhyWindow* why_ = nullptr;
};

}  // namespace tessara::app
