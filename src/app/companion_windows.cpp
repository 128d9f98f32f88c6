#include "app/companion_windows.h"

#include "app/companion_context.h"
#include "app/timeline_window.h"
#include "app/truth_table_window.h"
#include "app/why_window.h"

namespace tessara::app {
namespace {

void Present(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace

TimelineWindow& CompanionWindows::ShowTimeline() {
  if (!timeline_) {
    timeline_ = new TimelineWindow(context_);
    timeline_->move(context_.Main().frameGeometry().topRight() + QPoint(8, 0));
  }
  timeline_->Refresh();
  Present(*timeline_);
  return *timeline_;
}

TruthTableWindow& CompanionWindows::ShowTruthTable() {
  if (!truthTable_) {
    truthTable_ = new TruthTableWindow(context_);
    truthTable_->move(context_.Main().frameGeometry().bottomLeft() + QPoint(0, 8));
  }
  Present(*truthTable_);
  return *truthTable_;
}

WhyWindow& CompanionWindows::ShowWhy() {
  if (!why_) {
    why_ = new WhyWindow(context_);
    why_->move(context_.Main().frameGeometry().topRight() + QPoint(8, 360));
  }
  Present(*why_);
  return *why_;
}

}  // namespace tessara::app
