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
  const std::tuple<FilePurpose, std::string, ChosenFile, std::string, std::size_t> rows[] = {
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
  for (const auto& [purpose, circuit, last, offered, filter] : rows) {
    form.FilePath = circuit;
    form.chosen.fill({"/d/mux.cir", 0, circuit});
    form.chosen[static_cast<std::size_t>(purpose)] = last;
    EXPECT_EQ(ChooseFileToSave(form, purpose), "");
    EXPECT_EQ(screen.file_requests.back().offered, offered) << circuit;
    EXPECT_EQ(screen.file_requests.back().filter, filter) << offered;
  }
}

TEST_F(FileDialogs, ABareNameGetsTheChosenFiltersSuffixAndANameWithOneIsUsedAsTyped) {
  const std::tuple<FilePurpose, const char*, std::size_t, const char*> rows[] = {
      {kCircuit, "a", 0, "a.cir"},         {kPicture, "a", 0, "a.png"},
      {kPicture, "a", 1, "a.svg"},         {kValues, "a", 0, "a.csv"},
      {kPicture, "a.svg", 0, "a.svg"},     {kCircuit, "a.txt", 0, "a.txt"},
      {kValues, "v1.2/a", 0, "v1.2/a.csv"}};
  for (const auto& [purpose, typed, filter, saved] : rows) {
    screen.file_answers = {At(typed)};
    screen.filter_answers = {filter};
    EXPECT_EQ(ChooseFileToSave(form, purpose), At(saved)) << typed;
  }
}

// Save As onto half_adder.cir, typed without its suffix: No, then a cancel; then Yes.
TEST_F(FileDialogs, AnExistingFileIsReplacedOnlyAfterYesAndNoReturnsToTheDialog) {
  testing::WriteFile(At("half_adder.cir"), "mine");
  Place(OnNotTool, 2000, 2000);
  screen.file_answers = {At("half_adder"), ""};
  screen.answers = {Answer::No};
  EXPECT_FALSE(OnSave(form));
  EXPECT_EQ(testing::ReadFile(At("half_adder.cir")), "mine");
  EXPECT_EQ(screen.file_requests.at(1).offered, At("half_adder.cir"));
  screen.file_answers = {At("half_adder.cir")};
  screen.answers = {Answer::Yes};
  EXPECT_TRUE(OnSave(form));
  EXPECT_EQ(testing::ReadFile(At("half_adder.cir")), WriteCircuit(doc));
  EXPECT_EQ(screen.questions,
            std::vector<std::string>(2, "half_adder.cir already exists. Replace it?"));
  EXPECT_EQ(screen.preferred_answers, std::vector<Answer>(2, Answer::No));
}

}  // namespace
}  // namespace tessara
