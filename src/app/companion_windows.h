// The main window's companion windows, each made on first use, given the companion
// context and placed beside the main window: the timeline to its right, Why to its
// right below the timeline, the truth table below it. Each is a child of the main
// window and closes with it.
#pragma once

namespace tessara::app {

class CompanionContext;
class TimelineWindow;
class TruthTableWindow;
class WhyWindow;

class CompanionWindows {
 public:
  // context outlives this.
  explicit CompanionWindows(CompanionContext& context) : context_(context) {}

  // Options > Timeline: the timeline, brought up to date, shown, raised and active.
  TimelineWindow& ShowTimeline();
  // Options > Truth Table: the truth table window, shown, raised and active.
  TruthTableWindow& ShowTruthTable();
  // A press on a value label: "Tessara - Why", shown, raised and active.
  WhyWindow& ShowWhy();

 private:
  CompanionContext& context_;
  TimelineWindow* timeline_ = nullptr;  // owned by the main window
  TruthTableWindow* truthTable_ = nullptr;
  WhyWindow* why_ = nullptr;
};

}  // namespace tessara::app
