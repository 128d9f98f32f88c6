// What the main window gives each companion window (the timeline, the truth table and
// the ones to come): the form to read, the one way to change it, the run clock, and a
// signal after every act. Every event of the main window acts through it too, so a
// companion's act is exactly the window's own. A companion includes this header and
// never the main window's.
#pragma once

#include <QObject>
#include <cstddef>
#include <functional>

#include "editor/edit_history.h"
#include "editor/form.h"

class QWidget;

namespace tessara::app {

class RunClock;

class CompanionContext : public QObject {
  Q_OBJECT
 public:
  using Handler = std::function<void(Form&)>;

  // form, history and clock are the main window's and outlive the context; main is the
  // main window, every companion's parent.
  CompanionContext(Form& form, EditHistory& history, RunClock& clock, QWidget& main);

  // The document and the run's history, to read; change them only through Act.
  Form& form() { return form_; }
  // Run's command is Clock().Toggle(); it stops by itself without power.
  RunClock& Clock() { return clock_; }
  QWidget& Main() { return main_; }

  // Runs handler on the form, recorded for undo; then a run whose circuit changed is
  // forgotten, the caption's modified mark follows the circuit, the run clock may go
  // only while powered, and acted() is emitted.
  void Act(const Handler& handler);
  // Act for a handler that says what follows it; returns what it said.
  Follows ActThen(const std::function<Follows(Form&)>& handler);
  // Moves the circuit to recorded step n of the run, as an act (GoToStep).
  void GoToStep(std::size_t n);

 signals:
  // After every act; the main window, connected first, greys its commands first.
  void acted();

 private:
  Form& form_;
  EditHistory& history_;
  RunClock& clock_;
  QWidget& main_;
};

}  // namespace tessara::app
