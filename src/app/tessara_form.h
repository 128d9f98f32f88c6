// The main window Tessara_Form: the menus, the tool palette, the canvas with its four
// element pools, the Power and "prop" buttons. It is the Screen of the window's
// procedures and turns each mouse, button and menu event into one handler call of
// editor/, in twips, through the companion context's Act, which its companion windows
// are given too; it decides nothing itself.
#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <string>

#include "app/companion_context.h"
#include "app/companion_windows.h"
#include "app/dialogs.h"
#include "app/run_clock.h"
#include "editor/edit_history.h"
#include "editor/form.h"
#include "view/screen.h"

class QAction;
class QPushButton;

namespace tessara::app {

class Tessara_Frame;
class PictureElement;
class PoolImage;
class ValueLabel;
class WindowDrag;

class Tessara_Form : public QMainWindow, public Screen {
  Q_OBJECT
 public:
  // The window with every element in place, all pool elements hidden. Form_Load is
  // left to the caller.
  Tessara_Form();
  ~Tessara_Form() override;

  Form& form() { return form_; }
  Tessara_Frame& Canvas() { return *canvas_; }
  ModalDialogs& Dialogs() { return dialogs_; }
  // The clock of Options > Run; it stops on Run again, Power Down, New, Open, any
  // message box, file dialog or About, and when the window closes.
  RunClock& Clock() { return clock_; }
  CompanionWindows& Companions() { return companions_; }

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

 public:
  // Runs one handler on the form through the companion context: recorded for undo,
  // then followed by this window and every companion. Every event that reaches a
  // handler comes through here, Undo and Redo too.
  void Act(const CompanionContext::Handler& handler) { context_.Act(handler); }

 protected:
  // Asks the unsaved-changes question; Cancel keeps the window open.
  void closeEvent(QCloseEvent* event) override;

 private:
  // After every act: greys the commands as the form's state allows and shows the link
  // being drawn.
  void FollowAct();
  void BuildPalette(QWidget* client);
  void BuildPools();
  void BuildMenus();
  void OnDrop(DragSource source, QWidget* target, QPoint pos);
  PoolImage& Pooled(DragSource source);

  Form form_;
  EditHistory history_;
  RunClock clock_;
  ModalDialogs dialogs_;
  CompanionContext context_;
  CompanionWindows companions_;
  Tessara_Frame* canvas_ = nullptr;
  std::array<PoolImage*, kSlotCount> objImages_{};
  std::array<PoolImage*, kSlotCount> buffers_{};
  std::array<ValueLabel*, kSlotCount> values_{};
  std::array<PictureElement*, kPaletteButtonCount> palette_{};
  PictureElement* trashCan_ = nullptr;
  QPushButton* power_ = nullptr;
  std::array<QAction*, 3> runCommands_{};  // Step Back, Step Forward, Run: powered only
  WindowDrag* drag_ = nullptr;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  int toolPointer_ = kArrowPointer;

  static constexpr int kArrowPointer = -1;
};

}  // namespace tessara::app
