#include "editor/recovery.h"

#include <filesystem>

#include "editor/commands.h"
#include "io/replace_file.h"

namespace tessara {

std::optional<FileError> WriteRecovery(const Form& form, const RecoveryFiles& files) {
  if (auto error = SaveCircuitFile(form.doc, files.circuit)) return error;
  if (auto reason = ReplaceFile(files.origin, form.FilePath)) return FileError{*reason, 0};
  return std::nullopt;
}

void RemoveRecovery(const RecoveryFiles& files) {
  std::error_code ignored;
  std::filesystem::remove(files.circuit, ignored);
  std::filesystem::remove(files.origin, ignored);
}

namespace {

// The gates the recovery file holds; 0 for a damaged one.
int GatesIn(const RecoveryFiles& files) {
  const LoadResult read = LoadCircuitFile(files.circuit);
  if (!read.document) return 0;
  int gates = 0;
  for (std::int16_t i = 0; i < kSlotCount; ++i) gates += read.document->Gates(i).GetUsed() ? 1 : 0;
  return gates;
}

RecoveryOutcome ConfirmDiscard(Form& form, const RecoveryFiles& files) {
  const int gates = GatesIn(files);
  if (gates == 0) return RecoveryOutcome::Discarded;
  const Phrase prompt = Counted(
      "Editor",
      TESSARA_COUNTED("Editor", "Discard the recovered circuit for good? It holds %n gate(s)."),
      gates);
  return form.screen.Ask(prompt, Words("Editor", TESSARA_PHRASE("Editor", "Discard Circuit")),
                         Choices::YesNo, Answer::No) == Answer::Yes
             ? RecoveryOutcome::Discarded
             : RecoveryOutcome::Kept;
}

}  // namespace

RecoveryOutcome OfferRecovery(Form& form, const RecoveryFiles& files, std::string_view time) {
  const Phrase prompt =
      Words("Editor",
            TESSARA_PHRASE("Editor", "Tessara closed without saving. Recover the circuit from %1?"),
            Name(std::string(time)));
  switch (form.screen.Ask(prompt, Words("Editor", TESSARA_PHRASE("Editor", "Recover Circuit")),
                          Choices::YesDiscardCancel, Answer::Yes)) {
    case Answer::Yes:
      break;
    case Answer::No:
      return ConfirmDiscard(form, files);
    case Answer::Cancel:
      return RecoveryOutcome::Kept;
  }
  if (!LoadCircuit(form, files.circuit)) return RecoveryOutcome::Discarded;
  NameFile(form, ReadFileText(files.origin).text.value_or(""));
  form.savedRevision = 0;  // no document's revision: edited until saved
  return RecoveryOutcome::Recovered;
}

}  // namespace tessara
