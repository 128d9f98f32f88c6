// The fuzz check over every seed and every input that once failed it.
#include <gtest/gtest.h>

#include <filesystem>

#include "reader_property.h"
#include "temp_folder.h"

namespace tessara {
namespace {
TEST(FuzzCorpus, EveryFileKeepsTheReadersPromises) {
  int files = 0;
  for (const char* folder : {TESSARA_FUZZ_CORPUS, TESSARA_FUZZ_REGRESSIONS}) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      EXPECT_EQ(fuzz::CheckReader(testing::ReadFile(entry.path())), std::nullopt)
          << entry.path().filename();
      ++files;
    }
  }
  EXPECT_GE(files, 33) << "seeds and regressions missing";
}
}  // namespace
}  // namespace tessara
