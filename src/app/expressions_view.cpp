#include "app/expressions_view.h"

#include <QFontDatabase>

#include "io/expression_text.h"

namespace tessara::app {

ExpressionsView::ExpressionsView(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName(QStringLiteral("TruthTableExpressions"));
  setReadOnly(true);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

void ExpressionsView::Follow(const Document& circuit) {
  const unsigned generation = ++generation_;
  working_ = true;
  setPlainText(tr("Working out the expressions..."));
  // Assigning stops the older work and waits for it, which ends at its next check.
  worker_ = std::jthread([this, generation, copy = circuit.Clone()](std::stop_token stop) {
    const std::string text = ExpressionText(copy, stop);
    if (stop.stop_requested()) return;
    QMetaObject::invokeMethod(
        this, [this, generation, shown = QString::fromStdString(text)] { Show(generation, shown); },
        Qt::QueuedConnection);
  });
}

void ExpressionsView::Show(unsigned generation, const QString& text) {
  if (generation != generation_) return;
  working_ = false;
  setPlainText(text);
  emit shown();
}

}  // namespace tessara::app
