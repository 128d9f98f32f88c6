// The main window MainWindow, assembled from its parts: the client area with the
// Tools palette, the canvas and the element pools (ElementPools), the Power and "prop"
// buttons, the menus (Menus), the modal dialogs (ModalDialogs), the run clock, and the
// companion windows with the context they are given (CompanionContext). It is the
// Screen of the window's procedures, each half forwarded to the part that holds it.
// Every event reaches its handler through the context's Act, which decides what
// follows an act; the window then greys its commands and shows the link being drawn.
#pragma once

#include <QMainWindow>
#include <string>

#include "app/companion_context.h"
#include "app/companion_windows.h"
#include "app/dialogs.h"
#include "app/run_clock.h"
#include "editor/edit_history.h"
#include "editor/form.h"
#include "view/screen.h"

class QPushButton;

namespace tessara::app {

class ElementPools;
class Menus;
class CanvasPanel;

class MainWindow : public QMainWindow, public Screen {
  Q_OBJECT
 public:
  // The window with every element in place, all pool elements hidden. OnWindowOpen is
  // left to the caller.
  MainWindow();
  ~MainWindow() override;

  Form& form() { return form_; }
  CanvasPanel& Canvas() { return *canvas_; }
  ModalDialogs& Dialogs() { return dialogs_; }
  // The clock of Options > Run; it stops on Run again, Power Down, New, Open, any
  // message box, file dialog or About, and when the window closes.
  RunClock& Clock() { return clock_; }
  CompanionWindows& Companions() { return companions_; }
  CompanionContext& Context() { return context_; }

  // Runs one handler on the form through the companion context: recorded for undo,
  // then followed by this window and every companion. Every event that reaches a
  // handler comes through here, Undo and Redo too.
  void Act(const CompanionContext::Handler& handler) { context_.Act(handler); }

  // Screen
  ImageElement& GateImage(std::int16_t i) override;
  ImageElement& NodeMarker(std::int16_t i) override;
  LabelElement& ValueLabel(std::int16_t i) override;
  LineElement& LinkLine(std::int16_t i) override;
  MarksElement& ProblemMarks() override;
  BorderElement& Palette(PaletteButton button) override;
  MarkElement& FocusMark() override;
  MarkElement& CrossHair() override;
  void SetCanvasSpoken(const Phrase& name) override;
  Phrase CanvasSpoken() const override;
  void SetPowerCaption(const Phrase& caption) override;
  Phrase PowerCaption() const override { return powerCaption_; }
  // The title is the caption and Qt's modified mark after it.
  void SetCaption(const Phrase& caption) override;
  Phrase Caption() const override { return caption_; }
  void SetModified(bool modified) override { setWindowModified(modified); }
  void SetDefaultPointer() override;
  void SetToolPointer(std::int32_t toolCode) override;
  void ShowMessage(const Phrase& prompt, const Phrase& title, MessageStyle style) override;
  Answer Ask(const Phrase& prompt, const Phrase& title, Choices choices, Answer preferred) override;
  FileChoice ChooseFile(FileDialogMode mode, const Phrase& filters, std::size_t filter,
                        const std::string& offered, const Phrase& title) override;
  void BeginDrag(DragSource source) override;

 protected:
  // Asks the unsaved-changes question; Cancel keeps the window open.
  void closeEvent(QCloseEvent* event) override;

 private:
  // After every act: greys the commands as the form's state allows and shows the link
  // being drawn.
  void FollowAct();

  Form form_;
  EditHistory history_;
  RunClock clock_;
  ModalDialogs dialogs_;
  CompanionContext context_;
  CompanionWindows companions_;
  CanvasPanel* canvas_ = nullptr;
  ElementPools* pools_ = nullptr;
  Menus* menus_ = nullptr;
  QPushButton* power_ = nullptr;
  Phrase powerCaption_, caption_;  // as set, in English
  int toolPointer_ = kArrowPointer;

  static constexpr int kArrowPointer = -1;
};

}  // namespace tessara::app
