// Saving replaces the file whole or not at all.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>

#include "circuits.h"
#include "io/circuit_file.h"
#include "io/replace_file.h"
#include "temp_folder.h"

namespace tessara {
namespace {
namespace fs = std::filesystem;
using testing::ReadFile;
using testing::WriteFile;

struct Save : ::testing::Test {
  Save() {
    testing::PutGate(circuit, 0, kInputGate, 0, 600);
    testing::PutGate(circuit, 1, kOutputGate, 8200, 600);
    testing::PutLink(circuit, 0, 0, 1);
  }
  fs::path At(const char* name) const { return folder.path() / name; }
  Document circuit;
  testing::TempFolder folder;
};

TEST_F(Save, ReplacesThroughASymlinkKeepingPermissionsAndLoadsBackUnderAnAwkwardName) {
  constexpr auto kModes = fs::perms(0666);  // more than a usual umask lets a new file have
  const fs::path awkward = At("my circuit, v2 \xC3\x84rger \xE2\x80\x93 \xE6\x97\xA5.cir");
  fs::create_directory(At("real"));
  fs::permissions(WriteFile(At("real/target.cir"), "old"), kModes);
  fs::create_symlink("real/target.cir", At("link.cir"));
  for (const fs::path& path : {At("link.cir"), awkward})
    ASSERT_EQ(SaveCircuitFile(circuit, path.string()), std::nullopt);
  EXPECT_TRUE(fs::is_symlink(At("link.cir")));
  EXPECT_EQ(fs::status(At("real/target.cir")).permissions(), kModes);
  EXPECT_EQ(ReadFile(At("real/target.cir")), WriteCircuit(circuit));
  const LoadResult loaded = LoadCircuitFile(awkward.string());
  ASSERT_TRUE(loaded.document) << loaded.error.reason.English();
  EXPECT_EQ(WriteCircuit(*loaded.document), WriteCircuit(circuit));
  EXPECT_EQ(folder.Names(),
            (std::vector<std::string>{"link.cir", awkward.filename().string(), "real"}));
  EXPECT_EQ(testing::TempFolder::Names(At("real")), std::vector<std::string>{"target.cir"});
}

TEST_F(Save, FailedOrRefusedSaveNamesTheReasonAndLeavesWhatWasThereWithNoTemporary) {
  WriteFile(At("keep.cir"), "old content");
  for (std::size_t limit : {0, 1, 2000}) {
    const auto diskFullAfter = [limit](int fd, std::string_view bytes) {
      WriteAll(fd, bytes.substr(0, limit));
      return ENOSPC;
    };
    EXPECT_EQ(ReplaceFile(At("keep.cir").string(), WriteCircuit(circuit), diskFullAfter)->English(),
              "cannot write: No space left on device");
  }
  ASSERT_EQ(mkfifo(At("pipe.cir").c_str(), 0644), 0);
  fs::create_symlink("pipe.cir", At("link.cir"));
  fs::create_directory(At("folder.cir"));
  const std::pair<const char*, const char*> rows[] = {
      {"folder.cir", "cannot replace: Is a directory"},
      {"pipe.cir", "cannot replace: not a regular file"},
      {"link.cir", "cannot replace: not a regular file"},
      {"missing/a.cir", "cannot create: No such file or directory"}};
  for (const auto& [target, reason] : rows) {
    const auto error = SaveCircuitFile(circuit, At(target).string());
    EXPECT_EQ(error ? error->reason.English() + " line " + std::to_string(error->line) : "saved",
              reason + std::string(" line 0"))
        << target;
  }
  EXPECT_EQ(ReadFile(At("keep.cir")), "old content");
  EXPECT_TRUE(fs::is_directory(At("folder.cir")));
  EXPECT_TRUE(fs::is_fifo(At("pipe.cir")));
  EXPECT_EQ(folder.Names(),
            (std::vector<std::string>{"folder.cir", "keep.cir", "link.cir", "pipe.cir"}));
}

}  // namespace
}  // namespace tessara
