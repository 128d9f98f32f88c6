// Offering a recovery file on the stand-in screen.
#include "editor/recovery.h"

#include <deque>

#include "io/circuit_file.h"
#include "temp_folder.h"
#include "window.h"

namespace tessara {
namespace {

// Closing the question keeps the file, Discard asks before a circuit of gates goes, a
// damaged file is discarded after its "Error" box, Yes loads.
TEST_F(Window, RecoveryYesLoadsTheCircuitAsEditedUnderItsOriginAndOnlyAConfirmedDiscardDrops) {
  testing::TempFolder folder;
  const RecoveryFiles files{(folder.path() / "r.cir").string(),
                            (folder.path() / "r.origin").string()};
  Document inverter;
  testing::PutGate(inverter, 0, kNotGate, 2000, 2000);
  const std::string empty = WriteCircuit(Document());
  testing::WriteFile(files.origin, "/c/not.cir");
  using Outcome = RecoveryOutcome;
  const std::tuple<std::deque<Answer>, std::string, Outcome, const char*> rows[] = {
      {{Answer::Cancel}, WriteCircuit(inverter), Outcome::Kept, "closed"},
      {{Answer::No, Answer::No}, WriteCircuit(inverter), Outcome::Kept, "discard declined"},
      {{Answer::No, Answer::Yes}, WriteCircuit(inverter), Outcome::Discarded, "discarded"},
      {{Answer::No}, empty, Outcome::Discarded, "nothing to confirm"},
      {{Answer::Yes}, "junk", Outcome::Discarded, "damaged"},
      {{Answer::Yes}, WriteCircuit(inverter), Outcome::Recovered, "recovered"}};
  for (const auto& [answers, text, outcome, row] : rows) {
    testing::WriteFile(files.circuit, text);
    screen.answers = answers;
    EXPECT_EQ(OfferRecovery(form, files, "12:00"), outcome) << row;
    EXPECT_EQ(IsEdited(form), outcome == Outcome::Recovered) << row;
  }
  EXPECT_EQ(screen.Caption().English(), "Tessara - /c/not.cir");
  EXPECT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.questions[2], "Discard the recovered circuit for good? It holds 1 gate.");
  EXPECT_EQ(screen.preferred_answers[2], Answer::No);
  EXPECT_EQ(screen.questions.back(),
            "Tessara closed without saving. Recover the circuit from 12:00?");
}

}  // namespace
}  // namespace tessara
