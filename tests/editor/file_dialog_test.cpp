// The file dialogs' rules on the stand-in screen: what each purpose offers, the suffix a
// bare name gets, and the question before a file is replaced.
#include "editor/file_dialogs.h"
#include "io/circuit_file.h"
#include "temp_folder.h"
#include "window.h"

namespace tessara {
namespace {

constexpr FilePurpose kCircuit = FilePurpose::Circuit, kPicture = FilePurpose::TimelinePicture,
                      kValues = FilePurpose::TimelineValues;

struct FileDialogs : Window {
  std::string At(const std::string& name) const { return (folder.path() / name).string(); }
  testing::TempFolder folder;
};

// Every other purpose remembers a circuit's name, which only circuits offer.
TEST_F(FileDialogs, EachPurposeOffersItsOwnLastChoiceOrANameMadeFromTheCircuits) {
  const struct {
    FilePurpose purpose;
    std::string circuit;
    ChosenFile last;
    std::string offered;
    std::size_t filter;
  } rows[] = {
      {kCircuit, "", {}, "", 0},
      {kCircuit, "/c/half_adder.cir", {}, "/c/half_adder.cir", 0},
      {kCircuit, "/c/half_adder.cir", {"/d/mux.cir", 0, ""}, "/d/mux.cir", 0},
      {kPicture, "", {}, "timeline.png", 0},
      {kValues, "", {}, "values.csv", 0},
      {kPicture, "/c/half_adder.cir", {}, "/c/half_adder-timeline.png", 0},
      {kValues, "/c/half_adder.cir", {}, "/c/half_adder-values.csv", 0},
      {kPicture, "/c/half_adder.cir", {"/p/run.svg", 1, "/c/half_adder.cir"}, "/p/run.svg", 1},
      {kPicture, "/c/mux.cir", {"/p/run.svg", 1, "/c/half_adder.cir"}, "/p/mux-timeline.png", 0},
  };
  for (const auto& row : rows) {
    form.FilePath = row.circuit;
    form.chosen.fill({"/d/mux.cir", 0, row.circuit});
    form.chosen[static_cast<std::size_t>(row.purpose)] = row.last;
    screen.file_requests.clear();
    EXPECT_EQ(ChooseFileToSave(form, row.purpose), "");
    EXPECT_EQ(screen.file_requests.at(0).offered, row.offered) << row.circuit;
    EXPECT_EQ(screen.file_requests.at(0).filter, row.filter) << row.offered;
  }
}

TEST_F(FileDialogs, ABareNameGetsTheChosenFiltersSuffixAndANameWithOneIsUsedAsTyped) {
  const struct {
    FilePurpose purpose;
    const char* typed;
    std::size_t filter;
    const char* saved;
  } rows[] = {{kCircuit, "a", 0, "a.cir"},         {kPicture, "a", 0, "a.png"},
              {kPicture, "a", 1, "a.svg"},         {kValues, "a", 0, "a.csv"},
              {kPicture, "a.svg", 0, "a.svg"},     {kCircuit, "a.txt", 0, "a.txt"},
              {kValues, "v1.2/a", 0, "v1.2/a.csv"}};
  for (const auto& row : rows) {
    screen.file_answers = {At(row.typed)};
    screen.filter_answers = {row.filter};
    EXPECT_EQ(ChooseFileToSave(form, row.purpose), At(row.saved)) << row.typed;
  }
}

// Save As onto half_adder.cir, typed without its suffix: No, then a cancel; then Yes.
TEST_F(FileDialogs, AnExistingFileIsReplacedOnlyAfterYesAndNoReturnsToTheDialog) {
  testing::WriteFile(At("half_adder.cir"), "mine");
  Place(NotGateButton_Click, 2000, 2000);
  screen.file_answers = {At("half_adder"), ""};
  screen.answers = {Answer::No};
  EXPECT_FALSE(Save_Click(form));
  EXPECT_EQ(testing::ReadFile(At("half_adder.cir")), "mine");
  EXPECT_EQ(screen.file_requests.at(1).offered, At("half_adder.cir"));
  screen.file_answers = {At("half_adder.cir")};
  screen.answers = {Answer::Yes};
  EXPECT_TRUE(Save_Click(form));
  EXPECT_EQ(testing::ReadFile(At("half_adder.cir")), WriteCircuit(doc));
  EXPECT_EQ(screen.questions,
            std::vector<std::string>(2, "half_adder.cir already exists. Replace it?"));
  EXPECT_EQ(screen.preferred_answers, std::vector<Answer>(2, Answer::No));
}

}  // namespace
}  // namespace tessara
