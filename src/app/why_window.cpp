#include "app/why_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/companion_context.h"
#include "app/picture_actions.h"
#include "app/translated.h"
#include "editor/why.h"
#include "io/explanation_text.h"
#include "io/learner_words.h"

namespace tessara::app {

WhyWindow::WhyWindow(CompanionContext& context)
    : QWidget(&context.Main(), Qt::Window), context_(context) {
  setObjectName(QStringLiteral("Why"));
  setWindowTitle(tr("Tessara - Why"));
  resize(640, 300);
  auto* column = new QVBoxLayout(this);
  note_ = new QLabel(tr("While powered, click a gate's value (0 or 1) to ask why it holds it."));
  note_->setObjectName(QStringLiteral("WhyNote"));
  column->addWidget(note_);
  lines_ = new QListWidget;
  lines_->setObjectName(QStringLiteral("WhyLines"));
  column->addWidget(lines_, 1);
  AddPictureActions(*lines_, *lines_, &context_.form());
  connect(lines_, &QListWidget::itemClicked, this, &WhyWindow::GoToLine);
  connect(lines_, &QListWidget::itemActivated, this, &WhyWindow::GoToLine);
  connect(&context_, &CompanionContext::acted, this, &WhyWindow::Refresh);
  Refresh();
}

void WhyWindow::Refresh() {
  const Form& form = context_.form();
  lines_->clear();
  const bool asked = form.whyGate && form.why;
  note_->setVisible(!asked);
  if (!asked) return;
  const Explanation& why = *form.why;
  const std::vector<SignalRow> rows = LearnerRows(SignalRows(form.doc), form.doc);
  AddLine(QuestionLine(why, rows), std::pair(why.slot, why.step));
  for (const ExplainedEvent& event : why.events) {
    AddLine(EventLine(event, rows, &form.doc), std::pair(event.slot, event.step));
  }
  if (why.more > 0) AddLine(MoreLine(why.more), std::nullopt);
  lines_->setCurrentRow(0);
}

void WhyWindow::AddLine(const Phrase& line, std::optional<std::pair<int, std::size_t>> about) {
  auto* item = new QListWidgetItem(Translated(line), lines_);
  if (!about) return;
  item->setData(Qt::UserRole, about->first);
  item->setData(kStepRole, QVariant::fromValue<qulonglong>(about->second));
}

void WhyWindow::GoToLine(const QListWidgetItem* item) {
  const QVariant slot = item->data(Qt::UserRole);
  if (!slot.isValid()) return;
  const auto gate = static_cast<std::int16_t>(slot.toInt());
  const auto step = static_cast<std::size_t>(item->data(kStepRole).toULongLong());
  context_.Act([gate, step](Form& form) { OnWhyLine(form, gate, step); });
}

bool WhyWindow::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    event->accept();
    return true;
  }
  return QWidget::event(event);
}

void WhyWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
  } else {
    QWidget::keyPressEvent(event);
  }
}

void WhyWindow::closeEvent(QCloseEvent* event) {
  context_.Act(WhyWindow_Close);
  event->accept();
}

}  // namespace tessara::app
