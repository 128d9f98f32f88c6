#include "app/timeline_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <set>
#include <utility>

#include "picture/highlight.h"

namespace tessara::app {
namespace {

const QColor kCurrentColumn(255, 236, 140);
const QColor kRepeatStretch(214, 232, 255);
const QColor kFirstPeriod(168, 204, 250);
const QColor kToggleMark(200, 30, 30);
const QColor kChangingName(190, 0, 0);
const QColor kSettledMark(0, 140, 60);
const QColor kDifferingRow(220, 0, 0);
constexpr int kRowMarkHeight = 4;  // pixels of a sequence row's mark atop the ruler
constexpr int kStepNumberGap = 8;  // pixels at least between two step numbers

// Every how many steps the ruler numbers a step: 1, 2 or 5 times a power of ten, the
// fewest that leave each number room of `width` pixels and the gap.
std::size_t NumberEvery(int width) {
  for (std::size_t scale = 1;; scale *= 10) {
    for (std::size_t every : {scale, 2 * scale, 5 * scale}) {
      if (static_cast<long>(every) * TimelineView::kColumnWidth >= width + kStepNumberGap) {
        return every;
      }
    }
  }
}

}  // namespace

TimelineView::TimelineView(const Form& form, QWidget* parent)
    : QAbstractScrollArea(parent), form_(form) {
  setObjectName(QStringLiteral("TimelineView"));
  setAccessibleName(tr("timeline"));
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, viewport(),
          [this] { viewport()->update(); });
}

void TimelineView::TellValues() {
  const RunHistory& history = form_.history;
  QStringList values;
  for (const SignalRow& row : rows_) {
    const bool high = !history.Empty() && history.Step(history.Current()).state.Output(row.slot);
    values << QString::fromStdString(row.name) +
                  (high ? QStringLiteral(" 1") : QStringLiteral(" 0"));
  }
  const QString description =
      history.Empty()
          ? QString()
          : tr("step %1: %2").arg(history.Current()).arg(values.join(QStringLiteral(", ")));
  if (description != accessibleDescription()) setAccessibleDescription(description);
}

void TimelineView::Refresh() {
  const RunHistory& history = form_.history;
  rows_ = SignalRows(form_.doc);
  facts_.assign(rows_.size(), {});
  repeat_ = history.Empty() ? std::nullopt : history.FindRepeat(history.Current());
  if (repeat_) {
    const auto value = [&](std::size_t step, std::size_t row) {
      return history.Step(step).state.Output(rows_[row].slot);
    };
    repeatEnd_ = history.StretchEnd(repeat_->from);
    const std::size_t begin = history.StretchBegin(repeat_->from);
    for (std::size_t row = 0; row < rows_.size(); ++row) {
      const bool atFrom = value(repeat_->from, row);
      for (std::size_t k = repeat_->from; k <= repeat_->from + repeat_->period; ++k) {
        facts_[row].changesInRepeat |= value(k, row) != atFrom;
      }
      if (facts_[row].changesInRepeat) continue;
      std::size_t settled = repeat_->from;
      while (settled > begin && value(settled - 1, row) == atFrom) --settled;
      if (settled > begin) facts_[row].settledAt = settled;
    }
  }
  UpdateScrollRange();
  TellValues();
  if (!history.Empty()) {
    const int current = static_cast<int>(history.Current() - history.First());
    QScrollBar* bar = horizontalScrollBar();
    if (current < bar->value()) bar->setValue(current);
    if (current >= bar->value() + VisibleColumns()) bar->setValue(current - VisibleColumns() + 1);
  }
  viewport()->update();
}

int TimelineView::VisibleColumns() const {
  return std::max(1, (viewport()->width() - kNameWidth) / kColumnWidth);
}

void TimelineView::UpdateScrollRange() {
  const RunHistory& history = form_.history;
  const int steps = history.Empty() ? 0 : static_cast<int>(history.Last() - history.First() + 1);
  QScrollBar* bar = horizontalScrollBar();
  bar->setRange(0, std::max(0, steps - VisibleColumns()));
  bar->setPageStep(VisibleColumns());
  QScrollBar* rows = verticalScrollBar();
  const int height = kHeaderHeight + kRowHeight * static_cast<int>(rows_.size());
  rows->setRange(0, std::max(0, height - viewport()->height()));
  rows->setPageStep(viewport()->height());
}

std::size_t TimelineView::FirstVisibleStep() const {
  return form_.history.First() + static_cast<std::size_t>(horizontalScrollBar()->value());
}

std::optional<std::size_t> TimelineView::StepAt(int x) const {
  if (form_.history.Empty() || x < kNameWidth) return std::nullopt;
  const auto column = static_cast<std::size_t>((x - kNameWidth) / kColumnWidth);
  const std::size_t step = FirstVisibleStep() + column;
  if (step > form_.history.Last()) return std::nullopt;
  return step;
}

void TimelineView::Paint(QPainter& painter, QSize size) const {
  painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  if (form_.history.Empty()) return;
  const std::size_t first = FirstVisibleStep();
  const auto columns = static_cast<std::size_t>((size.width() - kNameWidth) / kColumnWidth + 1);
  const std::size_t last = std::min(form_.history.Last(), first + columns - 1);
  painter.save();
  painter.translate(0, -verticalScrollBar()->value());
  PaintColumns(painter, first, last, size.width(),
               kHeaderHeight + kRowHeight * static_cast<int>(rows_.size()));
  PaintExplained(painter, first, last);
  for (std::size_t row = 0; row < rows_.size(); ++row) PaintRow(painter, row, first, last);
  painter.restore();
}

// The backgrounds of the repeating stretch and the current step; over them the step
// numbers, each whole within `width` and clear of the next, and the toggle marks.
void TimelineView::PaintColumns(QPainter& painter, std::size_t first, std::size_t last, int width,
                                int height) const {
  const RunHistory& history = form_.history;
  const auto left = [&](std::size_t step) {
    return kNameWidth + static_cast<int>(step - first) * kColumnWidth;
  };
  for (std::size_t step = first; step <= last; ++step) {
    QColor fill;
    if (step == history.Current()) {
      fill = kCurrentColumn;
    } else if (repeat_ && step >= repeat_->from && step <= repeatEnd_) {
      fill = step < repeat_->from + repeat_->period ? kFirstPeriod : kRepeatStretch;
    }
    if (fill.isValid()) painter.fillRect(left(step), 0, kColumnWidth, height, fill);
  }
  const QFontMetrics metrics = painter.fontMetrics();
  const std::size_t every = NumberEvery(metrics.horizontalAdvance(QString::number(last)));
  painter.setPen(Qt::darkGray);
  for (std::size_t step = (first + every - 1) / every * every; step <= last; step += every) {
    const QString number = QString::number(step);
    if (left(step) + 1 + metrics.horizontalAdvance(number) > width) break;
    painter.drawText(left(step) + 1, kHeaderHeight - 6, number);
  }
  for (std::size_t step = first; step <= last; ++step) {
    if (history.Step(step).cause == StepCause::Toggle) {
      painter.setPen(QPen(kToggleMark, 1, Qt::DashLine));
      painter.drawLine(left(step), kHeaderHeight, left(step), height);
      painter.setBrush(kToggleMark);
      const QPoint tip(left(step), kHeaderHeight);
      painter.drawPolygon(QPolygon({tip, tip + QPoint(-4, -6), tip + QPoint(4, -6)}));
    }
  }
  for (const RulerMark& mark : marks_) {
    if (mark.step < first || mark.step > last) continue;
    const QColor colour = mark.differs ? kDifferingRow : kSettledMark;
    painter.fillRect(left(mark.step), 0, kColumnWidth, kRowMarkHeight, colour);
    if (mark.differs) {
      painter.setPen(QPen(colour, 2));
      painter.drawLine(left(mark.step) + kColumnWidth / 2, kRowMarkHeight,
                       left(mark.step) + kColumnWidth / 2, height);
    }
  }
}

void TimelineView::SetMarks(std::vector<RulerMark> marks) {
  marks_ = std::move(marks);
  viewport()->update();
}

void TimelineView::PaintRow(QPainter& painter, std::size_t row, std::size_t first,
                            std::size_t last) const {
  const int top = kHeaderHeight + static_cast<int>(row) * kRowHeight;
  const int high = top + 6, low = top + kRowHeight - 4;
  painter.setPen(facts_[row].changesInRepeat ? kChangingName : Qt::black);
  painter.drawText(4, top + kRowHeight - 8,
                   QString::fromStdString(rows_[row].name) +
                       (facts_[row].changesInRepeat ? QStringLiteral(" ~") : QString()));
  painter.setPen(QPen(Qt::black, 2));
  QFont small = painter.font();
  small.setPixelSize(9);
  const QFont normal = painter.font();
  std::optional<bool> previous;
  for (std::size_t step = first; step <= last; ++step) {
    const bool value = form_.history.Step(step).state.Output(rows_[row].slot);
    const int x = kNameWidth + static_cast<int>(step - first) * kColumnWidth;
    const int y = value ? high : low;
    if (previous && *previous != value) painter.drawLine(x, high, x, low);
    painter.drawLine(x, y, x + kColumnWidth, y);
    if (previous != value) {
      painter.setFont(small);
      painter.drawText(x + 3, value ? low : high + 8, QString::number(value ? 1 : 0));
      painter.setFont(normal);
    }
    if (facts_[row].settledAt == step) {
      painter.setBrush(kSettledMark);
      painter.setPen(kSettledMark);
      painter.drawEllipse(QPoint(x, (high + low) / 2), 3, 3);
      painter.setPen(QPen(Qt::black, 2));
    }
    previous = value;
  }
}

// Each event's gate at its step, each deciding input's driving gate at the step its
// value was read, and the question's gate at its step: once each.
void TimelineView::PaintExplained(QPainter& painter, std::size_t first, std::size_t last) const {
  if (!form_.whyGate || !form_.why) return;
  const Explanation& why = *form_.why;
  std::set<std::pair<std::int16_t, std::size_t>> cells{{why.slot, why.step}};
  for (const ExplainedEvent& event : why.events) {
    cells.emplace(event.slot, event.step);
    for (const ExplainedInput& input : event.inputs) {
      if (input.from == Driver::Kind::Gate) cells.emplace(input.fromSlot, input.at);
    }
  }
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    for (auto cell = cells.lower_bound({rows_[row].slot, first});
         cell != cells.end() && cell->first == rows_[row].slot && cell->second <= last; ++cell) {
      painter.fillRect(kNameWidth + static_cast<int>(cell->second - first) * kColumnWidth,
                       kHeaderHeight + static_cast<int>(row) * kRowHeight, kColumnWidth, kRowHeight,
                       kExplainedCell);
    }
  }
}

void TimelineView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  Paint(painter, viewport()->size());
}

void TimelineView::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  const auto step = StepAt(at.x());
  if (!step) return;
  const auto mark = std::find_if(marks_.begin(), marks_.end(),
                                 [&](const RulerMark& m) { return m.step == *step; });
  if (mark != marks_.end() && at.y() + verticalScrollBar()->value() < kHeaderHeight) {
    emit markClicked(static_cast<std::size_t>(mark - marks_.begin()));
  } else {
    emit stepClicked(*step);
  }
}

void TimelineView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollRange();
}

}  // namespace tessara::app
