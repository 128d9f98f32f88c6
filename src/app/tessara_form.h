// The main window Tessara_Form: the menus, the tool palette, the canvas with its four
// element pools, the Power and "prop" buttons. It is the Screen of the window's
// procedures and turns each mouse, button and menu event into one handler call of
// editor/, in twips; it decides nothing itself.
#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <string>

#include "editor/edit_history.h"
#include "editor/form.h"
#include "view/screen.h"

class QAction;
class QPushButton;

namespace tessara::app {

class Tessara_Frame;
class PictureElement;
class PoolImage;
class TruthTableWindow;
class RunClock;
class TimelineWindow;
class ValueLabel;
class WindowDrag;

class Tessara_Form : public QMainWindow, public Screen {
  Q_OBJECT
 public:
  // Answers the file dialog in its place: the mode, the filter and the name offered;
  // returns the chosen path or "" for a cancel.
  using FileChooser =
      std::function<std::string(FileDialogMode, std::string_view filter, const std::string&)>;
  // Answers the Yes/No/Cancel question in its place.
  using Answerer = std::function<Answer(std::string_view prompt)>;

  // The window with every element in place, all pool elements hidden. Form_Load is
  // left to the caller.
  Tessara_Form();
  ~Tessara_Form() override;

  Form& form() { return form_; }
  Tessara_Frame& Canvas() { return *canvas_; }
  // Replaces the file dialog, e.g. in tests; an empty chooser brings it back.
  void SetFileChooser(FileChooser chooser) { fileChooser_ = std::move(chooser); }
  // Replaces the question box likewise.
  void SetAnswerer(Answerer answerer) { answerer_ = std::move(answerer); }
  // The clock of Options > Run; it stops on Run again, Power Down, New, Open, any
  // message box, file dialog or About, and when the window closes.
  RunClock& Clock() { return *clock_; }
  // Options > Timeline: the timeline window, made on first use, shown beside this one.
  TimelineWindow& ShowTimeline();

  // Screen
  ImageElement& ObjImage(Integer i) override;
  ImageElement& buffer(Integer i) override;
  LabelElement& txtObjValue(Integer i) override;
  LineElement& LinkLine(Integer i) override;
  BorderElement& Palette(PaletteButton button) override;
  void SetPowerCaption(std::string_view caption) override;
  std::string PowerCaption() const override;
  void SetCaption(std::string_view caption) override;
  std::string Caption() const override;
  void SetDefaultPointer() override;
  void SetToolPointer(int iconCacheIndex) override;
  void ShowMessage(std::string_view prompt, std::string_view title, MessageStyle style) override;
  Answer Ask(std::string_view prompt, std::string_view title) override;
  std::string ChooseFile(FileDialogMode mode, std::string_view filter) override;
  void BeginDrag(DragSource source) override;

 signals:
  // After every handler that may change the circuit, the tool or the power (every
  // press, click, double-click, drop and menu command; not pointer moves).
  void acted();

 public:
  // Runs one handler on the form, recorded for Undo, then emits acted(). Every event
  // that reaches a handler comes through here, Undo and Redo too.
  template <typename Handler>
  void Act(Handler handler) {
    history_.Record(form_, handler);
    AfterAct();
    emit acted();
  }

 protected:
  // Asks the unsaved-changes question; Cancel keeps the window open.
  void closeEvent(QCloseEvent* event) override;

 private:
  // Forgets a run whose circuit changed, greys the commands as the state allows and
  // shows the link being drawn.
  void AfterAct();
  void BuildPalette(QWidget* client);
  void BuildPools();
  void BuildMenus();
  void OnDrop(DragSource source, QWidget* target, QPoint pos);
  void ShowTruthTable();
  PoolImage& Pooled(DragSource source);

  Form form_;
  Tessara_Frame* canvas_ = nullptr;
  std::array<PoolImage*, kSlotCount> objImages_{};
  std::array<PoolImage*, kSlotCount> buffers_{};
  std::array<ValueLabel*, kSlotCount> values_{};
  std::array<PictureElement*, kPaletteButtonCount> palette_{};
  PictureElement* trashCan_ = nullptr;
  QPushButton* power_ = nullptr;
  RunClock* clock_ = nullptr;
  std::array<QAction*, 3> runCommands_{};  // Step Back, Step Forward, Run: powered only
  TimelineWindow* timeline_ = nullptr;
  WindowDrag* drag_ = nullptr;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  EditHistory history_;
  TruthTableWindow* truthTable_ = nullptr;  // built on first use
  FileChooser fileChooser_;
  Answerer answerer_;
  std::string lastFile_;  // offered by the next file dialog, whichever the mode
  int toolPointer_ = kArrowPointer;

  static constexpr int kArrowPointer = -1;
};

}  // namespace tessara::app
