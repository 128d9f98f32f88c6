// The fuzz check over every seed and regression; each seed read, or refused at its line.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "io/circuit_file.h"
#include "reader_property.h"
#include "temp_folder.h"

namespace tessara {
namespace {
TEST(FuzzCorpus, EveryFileKeepsTheReadersPromisesAndEachSeedIsTakenOrRefusedAtItsLine) {
  const std::map<std::string, std::string> refused = {
      {"bad_boolean.cir", "5: expected #TRUE# or #FALSE#"},
      {"bad_coordinate.cir", "5: expected a number"},
      {"bad_version.cir", "1: not a Tessara circuit file"},
      {"blank_lines.cir", "1: not a Tessara circuit file"},
      {"empty.cir", "1: not a Tessara circuit file"},
      {"fraction_type_code.cir", "5: expected a whole number"},
      {"header_only.cir", "5: the file ends early"},
      {"huge_exponent.cir", "5: the number \"1e99999\" is out of range"},
      {"integer_overflow.cir", "56: the number \"40000\" does not fit an Integer"},
      {"lenient_cr.cir", "52: expected a number"},
      {"lenient_lf.cir", "52: expected a number"},
      {"link_from_slot_minus_1.cir", "56: StartIndex -1 is outside 0 to 50"},
      {"link_stop_num_3.cir", "56: Stop_Num 3 is outside 0 to 2"},
      {"link_stop_slot_51.cir", "56: StopIndex 51 is outside"},
      {"link_to_slot_51.cir", "56: LinkTo 51 is outside 0 to 50"},
      {"long_overflow.cir", "5: the number \"2147483648\" does not fit a Long"},
      {"not_a_number.cir", "5: expected a number"},
      {"single_overflow.cir", "5: the number \"1e39\" does not fit a Single"},
      {"text_after_quote.cir", "1: not a Tessara circuit file"},
      {"truncated_after_gates.cir", "56: the file ends early"},
      {"truncated_mid_record.cir", "61: expected #TRUE# or #FALSE#"},
      {"unclosed_quote.cir", "1: not a Tessara circuit file"}};
  int files = 0;
  for (const char* folder : {TESSARA_FUZZ_CORPUS, TESSARA_FUZZ_REGRESSIONS}) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      const std::string text = testing::ReadFile(entry.path()),
                        name = entry.path().filename().string();
      EXPECT_EQ(fuzz::CheckReader(text), std::nullopt) << name;
      const LoadResult loaded = ReadCircuit(text);
      const std::string got =
          loaded.document ? "" : std::to_string(loaded.error.line) + ": " + loaded.error.reason;
      const auto want = refused.find(name);
      EXPECT_EQ(got.substr(0, want == refused.end() ? 0 : want->second.size()),
                want == refused.end() ? "" : want->second)
          << name;
      ++files;
    }
  }
  EXPECT_GE(files, 33) << "seeds and regressions missing";
}
}  // namespace
}  // namespace tessara
