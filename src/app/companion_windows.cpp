#include "app/companion_windows.h"

#include "app/companion_context.h"
#include "app/timeline_window.h"
#include "app/truth_table_window.h"

namespace tessara::app {
namespace {

void Present(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace

void CompanionWindows::Adopt(QWidget& companion, QPoint at) {
  companion.addActions(commands_);
  companion.move(at);
}

TimelineWindow& CompanionWindows::ShowTimeline() {
  if (!timeline_) {
    timeline_ = new TimelineWindow(context_);
    Adopt(*timeline_, context_.Main().frameGeometry().topRight() + QPoint(8, 0));
  }
  timeline_->Refresh();
  Present(*timeline_);
  return *timeline_;
}

TruthTableWindow& CompanionWindows::ShowTruthTable() {
  if (!truthTable_) {
    truthTable_ = new TruthTableWindow(context_);
    Adopt(*truthTable_, context_.Main().frameGeometry().bottomLeft() + QPoint(0, 8));
  }
  Present(*truthTable_);
  return *truthTable_;
}

}  // namespace tessara::app
