// Offering a recovery file on the stand-in screen.
#include "editor/recovery.h"

#include "io/circuit_file.h"
#include "temp_folder.h"
#include "window.h"

namespace tessara {
namespace {

TEST(Recovery, YesLoadsTheCircuitAsEditedUnderItsOriginWhileNoOrDamageLoadsNothing) {
  testing::TempFolder folder;
  const RecoveryFiles files{(folder.path() / "r.cir").string(),
                            (folder.path() / "r.origin").string()};
  Document inverter;
  testing::PutGate(inverter, 0, kNotGate, 2000, 2000);
  testing::WriteFile(files.origin, "/c/not.cir");
  const struct {
    Answer answer;
    std::string text;
    bool loaded;
    std::size_t errors;
  } rows[] = {{Answer::Yes, WriteCircuit(inverter), true, 0},
              {Answer::No, WriteCircuit(inverter), false, 0},
              {Answer::Yes, "junk", false, 1}};
  for (const auto& row : rows) {
    testing::FakeScreen screen;
    Form form(screen);
    Form_Load(form);
    testing::WriteFile(files.circuit, row.text);
    screen.answers = {row.answer};
    EXPECT_EQ(OfferRecovery(form, files, "12:00"), row.loaded) << row.text;
    EXPECT_EQ(screen.Caption(), row.loaded ? "Tessara - /c/not.cir" : "Tessara") << row.text;
    EXPECT_EQ(IsEdited(form), row.loaded) << row.text;
    EXPECT_EQ(screen.messages.size(), row.errors) << row.text;
    EXPECT_EQ(
        screen.questions,
        std::vector<std::string>{"Tessara closed without saving. Recover the circuit from 12:00?"});
    EXPECT_EQ(screen.preferred_answers, std::vector<Answer>{Answer::Yes});
  }
}

}  // namespace
}  // namespace tessara
