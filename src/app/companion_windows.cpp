#include "app/companion_windows.h"

#include <QScreen>
#include <algorithm>

#include "app/companion_context.h"
#include "app/focus_frames.h"
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

void CompanionWindows::Adopt(QWidget& companion, QPoint at) {
  companion.addActions(commands_);
  FrameKeyboardFocus(companion);
  const QWidget& main = context_.Main();
  // A window not shown yet has no frame: the main window's stands in for it.
  const QRect outer = main.frameGeometry(), inner = main.geometry();
  const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                       outer.right() - inner.right(), outer.bottom() - inner.bottom());
  const QRect screen = main.screen()->availableGeometry();
  companion.resize(companion.size()
                       .expandedTo(companion.minimumSizeHint())
                       .boundedTo(screen.marginsRemoved(frame).size()));
  QRect placed(at, companion.size().grownBy(frame));
  placed.moveRight(std::min(placed.right(), screen.right()));
  placed.moveBottom(std::min(placed.bottom(), screen.bottom()));
  placed.moveLeft(std::max(placed.left(), screen.left()));
  placed.moveTop(std::max(placed.top(), screen.top()));
  companion.move(placed.topLeft());
}

TimelineWindow& CompanionWindows::ShowTimeline() {
  if (!timeline_) {
    timeline_ = new TimelineWindow(context_);
    QObject::connect(timeline_, &TimelineWindow::whyAsked, timeline_, [this] { ShowWhy(); });
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

WhyWindow& CompanionWindows::ShowWhy() {
  if (!why_) {
    why_ = new WhyWindow(context_);
    Adopt(*why_, context_.Main().frameGeometry().topRight() + QPoint(8, 360));
  }
  Present(*why_);
  return *why_;
}

}  // namespace tessara::app
