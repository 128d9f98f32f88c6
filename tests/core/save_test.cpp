#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <functional>

#include "circuit_builder.h"
#include "io/circuit_file.h"
#include "io/replace_file.h"
#include "temp_folder.h"

namespace tessara {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::WriteFile;

Document SmallCircuit() {
  Document doc;
  testing::CircuitBuilder build(doc);
  build.Link(build.Gate(kInputGate, 0, 600), build.Gate(kOutputGate, 0, 600), 0, 1);
  return doc;
}

class SaveAndLoad : public ::testing::Test {
 protected:
  fs::path At(const char* name) const { return folder.path() / name; }
  testing::TempFolder folder;
};

TEST_F(SaveAndLoad, SavedCircuitLoadsBackUnderAnAwkwardName) {
  const fs::path path = At("my circuit, v2 \xC3\x84rger \xE2\x80\x93 \xE6\x97\xA5.cir");
  ASSERT_EQ(SaveCircuitFile(SmallCircuit(), path.string()), std::nullopt);
  EXPECT_EQ(ReadFile(path), WriteCircuit(SmallCircuit()));
  const LoadResult loaded = LoadCircuitFile(path.string());
  ASSERT_TRUE(loaded.document) << loaded.error.reason;
  EXPECT_EQ(WriteCircuit(*loaded.document), WriteCircuit(SmallCircuit()));
  EXPECT_EQ(folder.Names(), std::vector<std::string>{path.filename().string()});
}

TEST_F(SaveAndLoad, SaveKeepsTheReplacedFilesPermissionsAndReplacesThroughASymlink) {
  constexpr auto kModes = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::create_directory(At("real"));
  WriteFile(At("real/target.cir"), "old");
  fs::permissions(At("real/target.cir"), kModes);
  fs::create_symlink("real/target.cir", At("link.cir"));
  ASSERT_EQ(SaveCircuitFile(SmallCircuit(), At("link.cir").string()), std::nullopt);
  EXPECT_TRUE(fs::is_symlink(At("link.cir")));
  EXPECT_EQ(ReadFile(At("real/target.cir")), WriteCircuit(SmallCircuit()));
  EXPECT_EQ(fs::status(At("real/target.cir")).permissions(), kModes);
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"link.cir", "real"}));
  EXPECT_EQ(testing::TempFolder::Names(At("real")), std::vector<std::string>{"target.cir"});
}

TEST_F(SaveAndLoad, FailedWriteLeavesTheOldFileAndNoTemporary) {
  const fs::path path = WriteFile(At("keep.cir"), "old content");
  for (std::size_t limit : {std::size_t{0}, std::size_t{1}, std::size_t{2000}}) {
    const auto diskFullAfter = [limit](int fd, std::string_view bytes) {
      WriteAll(fd, bytes.substr(0, limit));
      return ENOSPC;
    };
    EXPECT_EQ(ReplaceFile(path.string(), WriteCircuit(SmallCircuit()), diskFullAfter),
              "cannot write: No space left on device");
    EXPECT_EQ(ReadFile(path), "old content");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"keep.cir"});
  }
}

TEST_F(SaveAndLoad, RefusedSaveNamesTheReasonAndLeavesWhatWasThere) {
  ASSERT_EQ(mkfifo(At("pipe.cir").c_str(), 0644), 0);
  fs::create_symlink("pipe.cir", At("link.cir"));
  fs::create_directory(At("folder.cir"));
  fs::create_directory(At("locked"));
  WriteFile(At("locked/a.cir"), "old");
  fs::permissions(At("locked"), fs::perms::owner_read | fs::perms::owner_exec);
  const bool root = geteuid() == 0;  // permission bits do not bind root
  const struct {
    const char* target;
    const char* reason;
  } rows[] = {{"folder.cir", "cannot replace: Is a directory"},
              {"pipe.cir", "cannot replace: not a regular file"},
              {"link.cir", "cannot replace: not a regular file"},
              {"missing/a.cir", "cannot create: No such file or directory"},
              {"locked/a.cir", root ? nullptr : "cannot create: Permission denied"}};
  for (const auto& row : rows) {
    if (!row.reason) continue;
    const auto error = SaveCircuitFile(SmallCircuit(), At(row.target).string());
    ASSERT_TRUE(error) << row.target;
    EXPECT_EQ(error->reason, row.reason);
    EXPECT_EQ(error->line, 0);
  }
  EXPECT_TRUE(fs::is_directory(At("folder.cir")));
  EXPECT_TRUE(fs::is_fifo(At("pipe.cir")));
  EXPECT_EQ(ReadFile(At("locked/a.cir")), "old");
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"folder.cir", "link.cir", "locked", "pipe.cir"}));
}

TEST_F(SaveAndLoad, LoadingWhatIsNoCircuitFileFailsWithoutALine) {
  const LoadResult missing = LoadCircuitFile(At("none.cir").string());
  EXPECT_FALSE(missing.document);
  EXPECT_EQ(missing.error.reason, "cannot open: No such file or directory");
  EXPECT_EQ(missing.error.line, 0);
  EXPECT_EQ(LoadCircuitFile(folder.path().string()).error.reason, "cannot open: Is a directory");
  EXPECT_EQ(LoadCircuitFile("/dev/zero").error.reason, "cannot open: not a regular file");
}

TEST(Describe, NamesThePathAndTheLineWhenThereIsOne) {
  EXPECT_EQ(Describe("a.cir", FileError{"the file ends early", 56}), "a.cir: line 56: the file ends early");
  EXPECT_EQ(Describe("a.cir", FileError{"cannot open: Permission denied", 0}), "a.cir: cannot open: Permission denied");
}

}  // namespace
}  // namespace tessara
