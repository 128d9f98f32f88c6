// Crash recovery, below the toolkit: what a recovery file holds, and what a recovery file
// left by a program no longer running offers at start.
//
// A recovery file is the circuit exactly as a circuit file holds it, written by the same
// writer with the same atomic replace (SaveCircuitFile), so it loads like any circuit
// file. The path the circuit came from is kept in a second file beside it, and the time
// is the recovery file's own; neither touches the circuit's bytes. Where the files lie,
// when they are written and how a leftover is known are the window's (app/recovery.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "editor/form.h"
#include "io/circuit_file.h"

namespace tessara {

struct RecoveryFiles {
  std::string circuit;  // the recovery file: the circuit as a circuit file holds it
  std::string origin;   // the file holding the path it came from, "" for none
};

// Writes form's circuit, then its FilePath, to files. The reason on failure.
std::optional<FileError> WriteRecovery(const Form& form, const RecoveryFiles& files);
// Removes both files; a missing one is no error.
void RemoveRecovery(const RecoveryFiles& files);

// Asks "Tessara closed without saving. Recover the circuit from TIME?" titled "Recover
// Circuit", Yes by default. Yes loads the recovery file (as LoadCircuit, a damaged one
// giving the same "Error" box and changing nothing), names the circuit's file the one it
// came from, and counts the circuit as edited, so nothing drops it unasked. True when it
// was loaded; the files are left for the caller to remove.
bool OfferRecovery(Form& form, const RecoveryFiles& files, std::string_view time);

}  // namespace tessara
