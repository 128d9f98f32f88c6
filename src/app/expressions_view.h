// The expressions under the truth table: each output's formula and minimal form, the
// text `tessara-sim expr` prints in the window's words, a gate met again through a loop
// named by its tag (io/expression_text.h). They are worked out on a thread
// of their own over a copy of the circuit, as the minimal forms of 8 inputs can take
// seconds; a newer circuit stops the work on the older one, whose text is never shown.
#pragma once

#include <QPlainTextEdit>
#include <thread>

#include "model/document.h"
#include "sim/drivers.h"

namespace tessara::app {

class ExpressionsView : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit ExpressionsView(QWidget* parent = nullptr);

  // Starts working out circuit's expressions, saying so until they come.
  void Follow(const Document& circuit);
  // True while the last circuit's expressions are being worked out.
  bool Working() const { return working_; }
  // The gates the expressions shown name by their tags.
  SlotSet Tagged() const { return tagged_; }

 signals:
  // The last circuit's expressions are shown.
  void shown();

 private:
  void Show(unsigned generation, const QString& text, SlotSet tagged);

  unsigned generation_ = 0;  // counts Follow calls; only the last one's text is shown
  bool working_ = false;
  SlotSet tagged_;
  std::jthread worker_;  // last, so that it stops and is joined before the rest goes
};

}  // namespace tessara::app
