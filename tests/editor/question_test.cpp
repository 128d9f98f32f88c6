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
                     OnNew(f);
                     return !f.doc.Gates(0).GetUsed();
                   }},
                  {"Open",
                   [&](Form& f) {
                     OnOpen(f);
                     return f.FilePath == other;
                   }},
                  {"Exit", OnWindowClose}};
  const struct {
    Answer answer;
    std::string saveAs;
    bool goesOn, saves;
  } rows[] = {{Answer::Yes, mine, true, true},  // saveAs: the name Save As gets after Yes
              {Answer::Yes, "", false, false},
              {Answer::No, "", true, false},
              {Answer::Cancel, "", false, false}};
  for (const auto& command : commands) {
    for (const auto& row : rows) {
      const std::string what =
          command.name + (" answered " + std::to_string(int(row.answer))) + row.saveAs;
      std::filesystem::remove(mine);
      testing::FakeScreen fresh;
      Form window(fresh);
      OnWindowOpen(window);
      OnNotTool(window);
      OnCanvasPress(window, 0, 0);
      const std::string edited = WriteCircuit(window.doc);
      fresh.answers = {row.answer};
      fresh.file_answers = {other};
      if (row.answer == Answer::Yes) fresh.file_answers.push_front(row.saveAs);
      EXPECT_EQ(command.goesOn(window), row.goesOn) << what;
      EXPECT_EQ(fresh.questions, std::vector<std::string>{"Save changes to the circuit?"}) << what;
      EXPECT_EQ(testing::ReadFile(mine), row.saves ? edited : "") << what;
      if (!row.goesOn) {
        EXPECT_EQ(WriteCircuit(window.doc), edited) << what;
      }
    }
  }
}

TEST_F(UnsavedChanges, NoneAfterAnUndoBackToTheStartOrASaveOrARunWhichThenNeedsNoDialog) {
  EditHistory history;
  history.Record(form, [](Form& f) {
    OnNotTool(f);
    OnCanvasPress(f, 0, 0);
  });
  history.Undo(form);
  EXPECT_FALSE(IsEdited(form));
  history.Redo(form);
  testing::TempFolder folder;
  screen.file_answers = {(folder.path() / "a.cir").string()};
  EXPECT_TRUE(OnSaveAs(form)) << "through Save As";
  EXPECT_TRUE(OnSaveAs(form)) << "to the same file, without a dialog";
  OnPower(form), OnProp(form);
  EXPECT_TRUE(OnWindowClose(form)) << "saved, and a run's signals are no edit: nothing to ask";
  EXPECT_EQ(screen.file_requests.size(), 1u);
  EXPECT_EQ(screen.questions, std::vector<std::string>{});
}

}  // namespace
}  // namespace tessara
