// The window's modal dialogs: message boxes, the Yes/No/Cancel question, the file
// dialog cd_file, About and Help > Keyboard. Each stops the run clock before it opens.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <string_view>

#include "app/keyboard_help.h"
#include "view/screen.h"

class QWidget;

namespace tessara::app {

class RunClock;

// "desc|pattern|desc|pattern|" as Qt's name filters "desc (pattern);;...": a pattern
// list "*.a;*.b" becomes "*.a *.b", and a description that already ends with its
// patterns in parentheses is not given them twice.
QString QtNameFilters(std::string_view filter);

class ModalDialogs {
 public:
  // Answers the file dialog in its place (tests), given what Screen::ChooseFile is.
  using FileChooser = std::function<FileChoice(FileDialogMode, std::string_view filters,
                                               std::size_t filter, const std::string& offered)>;

  // parent: the window the dialogs open over. clock: stopped before each dialog. Both
  // outlive this.
  ModalDialogs(QWidget& parent, RunClock& clock);

  // Replaces the file dialog; an empty chooser brings it back.
  void SetFileChooser(FileChooser chooser) { fileChooser_ = std::move(chooser); }

  // A box with prompt, title, an OK button and the icon of style (Stop: critical,
  // Exclamation: warning); returns when it is closed.
  void ShowMessage(std::string_view prompt, std::string_view title, MessageStyle style);
  // Asks prompt in a box titled title with the buttons of choices, preferred the
  // default; Escape or closing the box answers Cancel, or No without Cancel.
  Answer Ask(std::string_view prompt, std::string_view title, Choices choices, Answer preferred);
  // A file to open (it must exist) or a name to save under, as Screen::ChooseFile, over
  // the active window when it is parent or one of its companions, else over parent.
  FileChoice ChooseFile(FileDialogMode mode, std::string_view filters, std::size_t filter,
                        const std::string& offered, std::string_view title = {});
  // The About window, made afresh.
  void ShowAbout();
  // Help > Keyboard with rows, made afresh.
  void ShowKeyboard(const std::vector<KeyHelpRow>& rows);

 private:
  QWidget& parent_;
  RunClock& clock_;
  FileChooser fileChooser_;
};

}  // namespace tessara::app
