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

bool OfferRecovery(Form& form, const RecoveryFiles& files, std::string_view time) {
  const Phrase prompt =
      Words("Editor",
            TESSARA_PHRASE("Editor", "Tessara closed without saving. Recover the circuit from %1?"),
            Name(std::string(time)));
  if (form.screen.Ask(prompt, Words("Editor", TESSARA_PHRASE("Editor", "Recover Circuit")),
                      Choices::YesNo, Answer::Yes) != Answer::Yes ||
      !LoadCircuit(form, files.circuit)) {
    return false;
  }
  NameFile(form, ReadFileText(files.origin).text.value_or(""));
  form.SavedText.clear();  // no circuit's text is empty: edited until saved
  return true;
}

}  // namespace tessara
