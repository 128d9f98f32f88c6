#include "app/problem_marks_layer.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include "app/translated.h"
#include "app/twips.h"

namespace tessara::app {
namespace {

const QColor kProblem(220, 0, 0);

QRect Box(const ProblemMark& mark) {
  return TwipsRect(mark.left, mark.top, mark.width, mark.height);
}

}  // namespace

ProblemMarksLayer::ProblemMarksLayer(QWidget* canvas) : QWidget(canvas) {
  setObjectName(QStringLiteral("ProblemMarks"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(canvas->rect());
}

void ProblemMarksLayer::SetMarks(std::vector<ProblemMark> marks) {
  if (marks == marks_) return;
  marks_ = std::move(marks);
  update();
}

void ProblemMarksLayer::WatchCanvas() {
  parentWidget()->installEventFilter(this);
  for (QObject* child : parentWidget()->children()) {
    if (child != this && child->isWidgetType()) child->installEventFilter(this);
  }
}

void ProblemMarksLayer::paintEvent(QPaintEvent*) {
  if (marks_.empty()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  for (const ProblemMark& mark : marks_) {
    const QRect box = Box(mark).adjusted(1, 1, -1, -1);
    switch (mark.shape) {
      case MarkShape::Ring:
        painter.setPen(QPen(kProblem, 2));
        painter.drawEllipse(box);
        break;
      case MarkShape::DashedOutline:
        painter.setPen(QPen(kProblem, 1, Qt::DashLine));
        painter.drawRect(box);
        break;
      case MarkShape::Outline:
        painter.setPen(QPen(kProblem, 2));
        painter.drawRect(box);
        break;
    }
  }
}

bool ProblemMarksLayer::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ToolTip) return false;
  auto* help = static_cast<QHelpEvent*>(event);
  const QPoint at = parentWidget()->mapFromGlobal(help->globalPos());
  QStringList texts;
  for (const ProblemMark& mark : marks_) {
    if (Box(mark).contains(at)) texts << Translated(mark.text);
  }
  if (texts.isEmpty()) return false;
  QToolTip::showText(help->globalPos(), texts.join(QLatin1Char('\n')),
                     static_cast<QWidget*>(watched));
  return true;
}

}  // namespace tessara::app
