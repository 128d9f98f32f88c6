#include "app/expressions_view.h"

#include <QFontDatabase>

#include "app/translated.h"
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
    std::vector<Phrase> lines = ExpressionLines(copy, stop);
    if (stop.stop_requested()) return;
    QMetaObject::invokeMethod(
        this,
        [this, generation, lines = std::move(lines)] {
          QString shown;
          for (const Phrase& line : lines) shown += Translated(line) + QLatin1Char('\n');
          Show(generation, shown);
        },
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
