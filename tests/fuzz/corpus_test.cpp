#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "io/circuit_file.h"
#include "reader_property.h"

namespace tessara {
namespace {

namespace fs = std::filesystem;

// The files of a folder, in name order; none when the folder is missing.
std::vector<fs::path> FilesIn(const fs::path& folder) {
  std::vector<fs::path> files;
  if (!fs::is_directory(folder)) return files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string Contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Every file of folder keeps the reader's promises; the folder must hold some.
void ExpectEveryFileKeepsThePromises(const fs::path& folder) {
  const auto files = FilesIn(folder);
  ASSERT_FALSE(files.empty()) << "no files in " << folder;
  for (const auto& file : files) {
    EXPECT_EQ(fuzz::CheckReader(Contents(file)), std::nullopt) << file;
  }
}

TEST(FuzzCorpus, EverySeedKeepsTheReadersPromises) {
  ExpectEveryFileKeepsThePromises(TESSARA_FUZZ_CORPUS);
}

TEST(FuzzCorpus, EveryInputThatOnceFailedKeepsTheReadersPromises) {
  ExpectEveryFileKeepsThePromises(TESSARA_FUZZ_REGRESSIONS);
}

TEST(FuzzCorpus, SeedsHoldFilesTheReaderTakesAndFilesItRefuses) {
  int taken = 0;
  int refused = 0;
  for (const auto& file : FilesIn(TESSARA_FUZZ_CORPUS)) {
    ++(ReadCircuit(Contents(file)).document ? taken : refused);
  }
  EXPECT_GE(taken, 5);
  EXPECT_GE(refused, 5);
}

}  // namespace
}  // namespace tessara
