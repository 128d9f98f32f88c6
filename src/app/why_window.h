// "Tessara - Why": why a gate holds its value at the run's current step, in the lines
// `tessara-sim explain` prints (io/explanation_text.h), translated here. It shows what
// the form holds (editor/refresh.h) and follows every act of the companion context. A
// click on a line, or Enter on it, moves the run to the line's step and asks about its
// gate there (OnWhyLine); Escape or closing the window asks nothing any more
// (WhyWindow_Close), so the highlight goes. Built on first use by a press on a value
// label; it speaks to the circuit only through the context. The lines' context menu
// copies or saves their picture (app/picture_actions.h).
#pragma once

#include <QWidget>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>

#include "model/phrase.h"

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace tessara::app {

class CompanionContext;

class WhyWindow : public QWidget {
  Q_OBJECT
 public:
  // A window of its own, a child of the context's main window; context outlives it.
  explicit WhyWindow(CompanionContext& context);

  // One item per line, the question first; an item of a line about a gate at a step
  // holds the gate's slot (Qt::UserRole) and the step (kStepRole).
  QListWidget& Lines() { return *lines_; }
  static constexpr int kStepRole = Qt::UserRole + 1;

 public slots:
  // Follows the form: the explanation's lines, or a note while nothing is asked.
  void Refresh();

 protected:
  // Escape reaches this window before any shortcut of the same key.
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void AddLine(const Phrase& line, std::optional<std::pair<int, std::size_t>> about);
  void GoToLine(const QListWidgetItem* item);

  CompanionContext& context_;
  QLabel* note_ = nullptr;
  QListWidget* lines_ = nullptr;
};

}  // namespace tessara::app
