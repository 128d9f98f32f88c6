// The window's commands: start-up, File > New, Open, Save, Save As and Exit.
#include "editor/commands.h"

#include "editor/expected_answer.h"
#include "editor/file_dialogs.h"
#include "editor/refresh.h"
#include "editor/refusals.h"
#include "editor/stepping.h"
#include "io/circuit_file.h"

namespace tessara {
namespace {

constexpr const char* kContext = "Editor";
constexpr std::string_view kCaptionPrefix = "Tessara - ";  // then the file's path
constexpr std::string_view kBareCaption = "Tessara";

bool SaveTo(Form& form, const std::string& path) {
  if (auto error = SaveCircuitFile(form.doc, path)) {
    RefuseSave(form.screen, path, *error);
    return false;
  }
  NameFile(form, path);
  form.SavedText = WriteCircuit(form.doc);
  return true;
}

}  // namespace

void Reset_Screen(Form& form) {
  if (form.doc.PowerOn) form.screen.SetPowerCaption(PowerUpCaption());
  form.doc.Reset();
  form.history.Clear();
  ForgetWhy(form);
  ResetElements(form.screen);
  // A link being drawn belonged to the circuit that is now gone.
  form.LinkStarted = 0;
}

void Form_Load(Form& form) {
  form.doc.CurrentTool = kSelectTool;
  Reset_Screen(form);
  form.SavedText = WriteCircuit(form.doc);
  Refresh(form);
}

void New_Click(Form& form) {
  if (!Form_QueryUnload(form)) return;
  Reset_Screen(form);
  NameFile(form, "");
  form.SavedText = WriteCircuit(form.doc);
}

void NewFromCircuit(Form& form, Document circuit) {
  if (!Form_QueryUnload(form)) return;
  Reset_Screen(form);
  NameFile(form, "");
  form.SavedText = WriteCircuit(form.doc);
  form.doc = std::move(circuit);
  Refresh(form);
}

void Open_Click(Form& form) {
  if (!Form_QueryUnload(form)) return;
  const std::string path = ChooseFileToOpen(form);
  if (!path.empty()) LoadCircuit(form, path);
}

void OpenExample_Click(Form& form, const std::string& example) {
  if (!Form_QueryUnload(form)) return;
  const std::string path = ChooseFileToOpen(form, example);
  if (!path.empty()) LoadCircuit(form, path);
}

void NameFile(Form& form, const std::string& path) {
  form.FilePath = path;
  form.screen.SetCaption(
      Name(path.empty() ? std::string(kBareCaption) : std::string(kCaptionPrefix) + path));
}

bool IsEdited(const Form& form) { return WriteCircuit(form.doc) != form.SavedText; }

void MarkModified(Form& form) { form.screen.SetModified(IsEdited(form)); }

bool Form_QueryUnload(Form& form) {
  if (!IsEdited(form)) return true;
  switch (form.screen.Ask(Words(kContext, TESSARA_PHRASE("Editor", "Save changes to the circuit?")),
                          Name(std::string(kBareCaption)), Choices::YesNoCancel, Answer::Yes)) {
    case Answer::Yes:
      return SaveFile_Click(form);
    case Answer::No:
      return true;
    default:
      return false;
  }
}

bool LoadCircuit(Form& form, const std::string& path) {
  LoadResult loaded = LoadCircuitFile(path);
  if (!loaded.document) {
    RefuseOpen(form.screen, path, loaded.error);
    return false;
  }
  Reset_Screen(form);
  form.doc = std::move(*loaded.document);
  NameFile(form, path);
  form.SavedText = WriteCircuit(form.doc);
  Refresh(form);
  TakeExpectedBeside(form, path);
  return true;
}

bool Save_Click(Form& form) {
  const std::string path = ChooseFileToSave(form, FilePurpose::Circuit);
  return !path.empty() && SaveTo(form, path);
}

bool SaveFile_Click(Form& form) {
  return form.FilePath.empty() ? Save_Click(form) : SaveTo(form, form.FilePath);
}

}  // namespace tessara
