// The window's modal dialogs: message boxes and the file dialog cd_file.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "view/screen.h"

class QWidget;

namespace tessara::app {

// Shows a modal box with prompt, title, an OK button and the icon of style (Stop:
// critical, Exclamation: warning); returns when it is closed.
void ShowMessageBox(QWidget* parent, std::string_view prompt, std::string_view title,
                    MessageStyle style);

// Asks prompt in a modal box titled title with Yes, No and Cancel; Escape or closing
// the box answers Cancel.
Answer AskQuestion(QWidget* parent, std::string_view prompt, std::string_view title);

// "desc|pattern|desc|pattern|" as Qt's name filters "desc (pattern);;...": a pattern
// list "*.a;*.b" becomes "*.a *.b", and a description that already ends with its
// patterns in parentheses is not given them twice.
QString QtNameFilters(std::string_view filter);

// The modal file dialog: a file to open (it must exist) or a name to save under (no
// question before replacing a file, no suffix added), starting at initial. Returns
// the chosen full path, or "" when cancelled.
std::string ShowFileDialog(QWidget* parent, FileDialogMode mode, std::string_view filter,
                           const std::string& initial);

}  // namespace tessara::app
