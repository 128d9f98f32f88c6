// Start-up of the window program: the empty circuit on screen, the circuit left by a
// program that did not end normally, then the file named on the command line, if any.
#pragma once

#include <QString>
#include <QStringList>

namespace tessara::app {

class MainWindow;

// Runs OnWindowOpen, shows window and keeps its circuit recoverable in recoveryFolder
// (CrashRecovery, owned by the window). Once the event loop runs, the recovery files
// left there by programs no longer running are offered first; then, when arguments (the
// command line after the program's name) is not empty, its first entry is loaded
// exactly as File > Open loads a chosen file, after the unsaved-changes question when a
// circuit was recovered (as a full path, so the caption reads
// "Tessara - " + that path). A file that cannot be read or is damaged gives the "Error"
// box over the empty circuit and leaves the caption "Tessara". Further entries are
// ignored. SIGTERM or SIGHUP keeps an edited circuit for the next start
// (CrashRecovery::KeepForNextStart) and ends the program with status 0, whatever
// dialog is open.
void StartWindow(MainWindow& window, const QStringList& arguments, const QString& recoveryFolder);

}  // namespace tessara::app
