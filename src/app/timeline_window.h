// "Tessara - Timeline": the recorded run of the main window's circuit, with Step Back,
// Step Forward, Run and its rate, a step counter, the repeat note, and Save Picture
// and Save Values. It reads the form's document and history, changes them only
// through the companion context's acts (so the main window refreshes as for its own
// commands), follows every act, and asks for file names through the form's screen.
#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

namespace tessara::app {

class CompanionContext;
class TimelineView;

class TimelineWindow : public QWidget {
  Q_OBJECT
 public:
  // A window of its own, a child of the context's main window; context outlives it.
  explicit TimelineWindow(CompanionContext& context);

  TimelineView& View() { return *view_; }
  QString Note() const;

 public slots:
  // Follows the form: rows, waves, counter, note and which buttons work.
  void Refresh();

 private:
  void SavePicture();
  void SaveValues();

  CompanionContext& context_;
  TimelineView* view_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* forward_ = nullptr;
  QPushButton* run_ = nullptr;
  QComboBox* rate_ = nullptr;
  QLabel* counter_ = nullptr;
  QLabel* note_ = nullptr;
};

}  // namespace tessara::app
