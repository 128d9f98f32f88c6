// Offering a recovery file on the stand-in screen.
#include "editor/recovery.h"

#include "io/circuit_file.h"
#include "temp_folder.h"
#include "window.h"

namespace tessara {
namespace {

// No, then a damaged file (its "Error" box), then Yes.
TEST_F(Window, RecoveryYesLoadsTheCircuitAsEditedUnderItsOriginWhileNoOrDamageLoadsNothing) {
  testing::TempFolder folder;
  const RecoveryFiles files{(folder.path() / "r.cir").string(),
                            (folder.path() / "r.origin").string()};
  Document inverter;
  testing::PutGate(inverter, 0, kNotGate, 2000, 2000);
  testing::WriteFile(files.origin, "/c/not.cir");
  const std::tuple<Answer, std::string, bool, const char*> rows[] = {
      {Answer::No, WriteCircuit(inverter), false, "Tessara"},
      {Answer::Yes, "junk", false, "Tessara"},
      {Answer::Yes, WriteCircuit(inverter), true, "Tessara - /c/not.cir"}};
  for (const auto& [answer, text, loaded, caption] : rows) {
    testing::WriteFile(files.circuit, text);
    screen.answers = {answer};
    EXPECT_EQ(OfferRecovery(form, files, "12:00"), loaded) << caption;
    EXPECT_EQ(screen.Caption().English(), caption);
    EXPECT_EQ(IsEdited(form), loaded) << caption;
  }
  EXPECT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.questions,
            std::vector<std::string>(
                3, "Tessara closed without saving. Recover the circuit from 12:00?"));
  EXPECT_EQ(screen.preferred_answers, std::vector<Answer>(3, Answer::Yes));
}

}  // namespace
}  // namespace tessara
