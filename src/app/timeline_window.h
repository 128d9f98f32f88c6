// "Tessara - Timeline": the recorded run of the main window's circuit, with Step Back,
// Step Forward, Run and its rate, a step counter, the repeat note, and Save Picture
// and Save Values. It reads the form's document and history, changes them only
// through handlers given to act (so the main window refreshes as for its own
// commands), and asks for file names through the form's screen.
#pragma once

#include <QWidget>
#include <functional>

#include "editor/form.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace tessara::app {

class RunClock;
class TimelineView;

class TimelineWindow : public QWidget {
  Q_OBJECT
 public:
  using Handler = std::function<void(Form&)>;
  using Act = std::function<void(const Handler&)>;

  // parent: the main window, beside which this one stays a window of its own.
  TimelineWindow(Form& form, RunClock& clock, Act act, std::function<void()> toggleRun,
                 QWidget* parent);

  TimelineView& View() { return *view_; }
  QString Note() const;

 public slots:
  // Follows the form: rows, waves, counter, note and which buttons work.
  void Refresh();

 private:
  void SavePicture();
  void SaveValues();

  Form& form_;
  RunClock& clock_;
  Act act_;
  TimelineView* view_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* forward_ = nullptr;
  QPushButton* run_ = nullptr;
  QComboBox* rate_ = nullptr;
  QLabel* counter_ = nullptr;
  QLabel* note_ = nullptr;
};

}  // namespace tessara::app
