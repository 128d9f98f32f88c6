// Start-up of the window program: the empty circuit on screen, then the file named on
// the command line, if any.
#pragma once

#include <QStringList>

namespace tessara::app {

class Tessara_Form;

// Runs Form_Load and shows window. arguments is the command line after the program's
// name: when it is not empty, its first entry is loaded once the event loop runs,
// exactly as File > Open loads a chosen file (as a full path, so the caption reads
// "Tessara - " + that path). A file that cannot be read or is damaged gives the
// "Error" box over the empty circuit and leaves the caption "Tessara". Further
// entries are ignored.
void StartWindow(Tessara_Form& window, const QStringList& arguments);

}  // namespace tessara::app
