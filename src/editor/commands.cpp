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
  form.savedRevision = form.doc.Revision();
  return true;
}

}  // namespace

void ResetScreen(Form& form) {
  if (form.doc.PowerOn) form.screen.SetPowerCaption(PowerUpCaption());
  form.doc.Reset();
  form.history.Clear();
  ForgetWhy(form);
  ResetElements(form.screen);
  // A link being drawn belonged to the circuit that is now gone.
  form.LinkStarted = 0;
}

void OnWindowOpen(Form& form) {
  form.doc.CurrentTool = kSelectTool;
  ResetScreen(form);
  form.savedRevision = form.doc.Revision();
  Refresh(form);
}

void OnNew(Form& form) {
  if (!OnWindowClose(form)) return;
  ResetScreen(form);
  NameFile(form, "");
  form.savedRevision = form.doc.Revision();
}

void NewFromCircuit(Form& form, Document circuit) {
  if (!OnWindowClose(form)) return;
  ResetScreen(form);
  NameFile(form, "");
  form.savedRevision = form.doc.Revision();
  // An empty circuit is no edit of the empty one it replaces.
  if (circuit.SameCircuit(form.doc)) circuit.TakeRevision(form.doc);
  form.doc = std::move(circuit);
  Refresh(form);
}

void OnOpen(Form& form) {
  if (!OnWindowClose(form)) return;
  const std::string path = ChooseFileToOpen(form);
  if (!path.empty()) LoadCircuit(form, path);
}

void OnOpenExample(Form& form, const std::string& example) {
  if (!OnWindowClose(form)) return;
  const std::string path = ChooseFileToOpen(form, example);
  if (!path.empty()) LoadCircuit(form, path);
}

void NameFile(Form& form, const std::string& path) {
  form.FilePath = path;
  form.screen.SetCaption(
      Name(path.empty() ? std::string(kBareCaption) : std::string(kCaptionPrefix) + path));
}

bool IsEdited(const Form& form) { return form.doc.Revision() != form.savedRevision; }

void MarkModified(Form& form) { form.screen.SetModified(IsEdited(form)); }

bool OnWindowClose(Form& form) {
  if (!IsEdited(form)) return true;
  switch (form.screen.Ask(Words(kContext, TESSARA_PHRASE("Editor", "Save changes to the circuit?")),
                          Name(std::string(kBareCaption)), Choices::YesNoCancel, Answer::Yes)) {
    case Answer::Yes:
      return OnSaveAs(form);
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
  ResetScreen(form);
  form.doc = std::move(*loaded.document);
  NameFile(form, path);
  form.savedRevision = form.doc.Revision();
  Refresh(form);
  TakeExpectedBeside(form, path);
  return true;
}

bool OnSave(Form& form) {
  const std::string path = ChooseFileToSave(form, FilePurpose::Circuit);
  return !path.empty() && SaveTo(form, path);
}

bool OnSaveAs(Form& form) {
  return form.FilePath.empty() ? OnSave(form) : SaveTo(form, form.FilePath);
}

}  // namespace tessara
