#include <functional>

#include "editor/edit_history.h"
#include "io/circuit_file.h"
#include "temp_folder.h"
#include "window.h"

namespace tessara {
namespace {

using UnsavedChanges = Window;

TEST_F(UnsavedChanges, NewOpenAndExitAskFirstAndYesSavesNoGoesOnCancelChangesNothing) {
  testing::TempFolder folder;
  const std::string mine = (folder.path() / "mine.cir").string();
  const std::string other =
      testing::WriteFile(folder.path() / "other.cir", WriteCircuit(Document{})).string();
  const struct {
    const char* name;
    std::function<bool(Form&)> goesOn;
  } commands[] = {{"New",
                   [](Form& f) {
                     New_Click(f);
                     return !f.doc.Gates(0).GetUsed();
                   }},
                  {"Open",
                   [&](Form& f) {
                     Open_Click(f);
                     return f.FilePath == other;
                   }},
                  {"Exit", Form_QueryUnload}};
  const struct {
    Answer answer;
    std::string saveAs;
    bool goesOn, saves;
  } rows[] = {
      // saveAs: Save As after Yes{Answer::Yes, mine, true, true}, {Answer::Yes, "", false, false},
      {Answer::No, "", true, false},
      {Answer::Cancel, "", false, false}};
  for (const auto& command : commands) {
    for (const auto& row : rows) {
      const std::string what =
          command.name + (" answered " + std::to_string(int(row.answer))) + row.saveAs;
      std::filesystem::remove(mine);
      testing::FakeScreen screen;
      Form form(screen);
      Form_Load(form);
      NotGateButton_Click(form);
      Tessara_Frame_MouseDown(form);
      const std::string edited = WriteCircuit(form.doc);
      screen.answers = {row.answer};
      screen.file_answers = {other};
      if (row.answer == Answer::Yes) screen.file_answers.push_front(row.saveAs);
      EXPECT_EQ(command.goesOn(form), row.goesOn) << what;
      EXPECT_EQ(screen.questions, std::vector<std::string>{"Save changes to the circuit?"}) << what;
      EXPECT_EQ(testing::ReadFile(mine), row.saves ? edited : "") << what;
      EXPECT_TRUE(row.goesOn || WriteCircuit(form.doc) == edited) << what;
    }
  }
}

TEST_F(UnsavedChanges, NoneAfterAnUndoBackToTheStartOrASaveWhichThenNeedsNoDialog) {
  EditHistory history;
  history.Record(form, [](Form& f) {
    NotGateButton_Click(f);
    Tessara_Frame_MouseDown(f);
  });
  history.Undo(form);
  EXPECT_FALSE(IsEdited(form));
  history.Redo(form);
  testing::TempFolder folder;
  screen.file_answers = {(folder.path() / "a.cir").string()};
  EXPECT_TRUE(SaveFile_Click(form) && SaveFile_Click(form) && Form_QueryUnload(form));
  EXPECT_TRUE(screen.file_requests.size() == 1 && screen.questions.empty());
}

}  // namespace
}  // namespace tessara
