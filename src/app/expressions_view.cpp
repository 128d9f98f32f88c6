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
    WindowExpressions expressions = WindowExpressionLines(copy, stop);
    if (stop.stop_requested()) return;
    QMetaObject::invokeMethod(
        this,
        [this, generation, expressions = std::move(expressions)] {
          QString shown;
          for (const Phrase& line : expressions.lines)
            shown += Translated(line) + QLatin1Char('\n');
          Show(generation, shown, expressions.tagged);
        },
        Qt::QueuedConnection);
  });
}

void ExpressionsView::Show(unsigned generation, const QString& text, SlotSet tagged) {
  if (generation != generation_) return;
  working_ = false;
  tagged_ = tagged;
  setPlainText(text);
  emit shown();
}

}  // namespace tessara::app
