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

// What became of a recovery file offered.
enum class RecoveryOutcome {
  Recovered,  // loaded: the caller writes it as its own and removes the leftover
  Discarded,  // the learner chose Discard (or it was damaged): the caller removes it
  Kept,       // the question was closed: offered again at the next start
};

// Asks "Tessara closed without saving. Recover the circuit from TIME?" titled "Recover
// Circuit" with Yes (the default), Discard and Cancel. Yes loads the recovery file (as
// LoadCircuit, a damaged one giving the same "Error" box, changing nothing and counting
// as discarded), names the circuit's file the one it came from, and counts the circuit
// as edited, so nothing drops it unasked. Discard asks once more, No by default, when the
// file holds gates ("Discard the recovered circuit for good? It holds N gate(s)."); No
// there keeps it. Escape or closing a question keeps it. The files are the caller's.
RecoveryOutcome OfferRecovery(Form& form, const RecoveryFiles& files, std::string_view time);

}  // namespace tessara
