#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "circuit_builder.h"
#include "io/circuit_file.h"
#include "io/replace_file.h"

namespace tessara {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void Put(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

Document SmallCircuit() {
  Document doc;
  testing::CircuitBuilder build(doc);
  build.Link(build.Gate(kInputGate, 0, 600), build.Gate(kOutputGate, 0, 600), 0, 1);
  return doc;
}

// A fresh directory per test, removed with everything in it afterwards.
class SaveAndLoad : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "tessara-core-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(dir_ / "locked", fs::perms::owner_all, ec);
    fs::remove_all(dir_, ec);
  }
  // The names in the test directory, so a test can see that no temporary was left.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path dir_;
};

TEST_F(SaveAndLoad, SavedCircuitLoadsBackUnderAnAwkwardName) {
  const fs::path path = dir_ / "my circuit, v2 \xC3\x84rger \xE2\x80\x93 \xE6\x97\xA5.cir";
  const Document doc = SmallCircuit();
  ASSERT_EQ(SaveCircuitFile(doc, path.string()), std::nullopt);
  EXPECT_EQ(Contents(path), WriteCircuit(doc));
  const LoadResult loaded = LoadCircuitFile(path.string());
  ASSERT_TRUE(loaded.document) << loaded.error.reason;
  EXPECT_EQ(WriteCircuit(*loaded.document), WriteCircuit(doc));
  EXPECT_EQ(Names(), std::vector<std::string>{path.filename().string()});
}

TEST_F(SaveAndLoad, SaveKeepsTheReplacedFilesPermissions) {
  const fs::path path = dir_ / "old.cir";
  Put(path, "old");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_EQ(SaveCircuitFile(SmallCircuit(), path.string()), std::nullopt);
  EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Contents(path), WriteCircuit(SmallCircuit()));
}

TEST_F(SaveAndLoad, SaveThroughSymlinkReplacesTheFileAndKeepsTheLink) {
  fs::create_directory(dir_ / "real");
  Put(dir_ / "real" / "target.cir", "old");
  fs::create_symlink("real/target.cir", dir_ / "link.cir");
  ASSERT_EQ(SaveCircuitFile(SmallCircuit(), (dir_ / "link.cir").string()), std::nullopt);
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.cir"));
  EXPECT_EQ(Contents(dir_ / "real" / "target.cir"), WriteCircuit(SmallCircuit()));
  EXPECT_EQ(Names(), (std::vector<std::string>{"link.cir", "real"}));
}

TEST_F(SaveAndLoad, FailedWriteLeavesTheOldFileAndNoTemporary) {
  const fs::path path = dir_ / "keep.cir";
  Put(path, "old content");
  for (std::size_t limit : {std::size_t{0}, std::size_t{1}, std::size_t{2000}}) {
    const auto diskFullAfter = [limit](int fd, std::string_view bytes) {
      WriteAll(fd, bytes.substr(0, limit));
      return ENOSPC;
    };
    EXPECT_EQ(ReplaceFile(path.string(), WriteCircuit(SmallCircuit()), diskFullAfter),
              "cannot write: No space left on device");
    EXPECT_EQ(Contents(path), "old content");
    EXPECT_EQ(Names(), std::vector<std::string>{"keep.cir"});
  }
}

TEST_F(SaveAndLoad, SaveOntoADirectoryFailsAndLeavesNothing) {
  fs::create_directory(dir_ / "folder.cir");
  const auto error = SaveCircuitFile(SmallCircuit(), (dir_ / "folder.cir").string());
  ASSERT_TRUE(error);
  EXPECT_EQ(error->reason, "cannot replace: Is a directory");
  EXPECT_EQ(error->line, 0);
  EXPECT_TRUE(fs::is_directory(dir_ / "folder.cir"));
  EXPECT_EQ(Names(), std::vector<std::string>{"folder.cir"});
}

TEST_F(SaveAndLoad, SaveOntoAPipeOrThroughALinkToItLeavesThePipe) {
  ASSERT_EQ(mkfifo((dir_ / "pipe.cir").c_str(), 0644), 0);
  fs::create_symlink("pipe.cir", dir_ / "link.cir");
  for (const char* name : {"pipe.cir", "link.cir"}) {
    const auto error = SaveCircuitFile(SmallCircuit(), (dir_ / name).string());
    ASSERT_TRUE(error) << name;
    EXPECT_EQ(error->reason, "cannot replace: not a regular file");
  }
  EXPECT_TRUE(fs::is_fifo(dir_ / "pipe.cir"));
  EXPECT_EQ(Names(), (std::vector<std::string>{"link.cir", "pipe.cir"}));
}

TEST_F(SaveAndLoad, SaveIntoAMissingDirectoryFails) {
  const auto error = SaveCircuitFile(SmallCircuit(), (dir_ / "missing" / "a.cir").string());
  ASSERT_TRUE(error);
  EXPECT_EQ(error->reason, "cannot create: No such file or directory");
}

TEST_F(SaveAndLoad, SaveIntoAReadOnlyDirectoryFails) {
  if (geteuid() == 0) GTEST_SKIP() << "permission bits do not bind root";
  fs::create_directory(dir_ / "locked");
  Put(dir_ / "locked" / "a.cir", "old");
  fs::permissions(dir_ / "locked", fs::perms::owner_read | fs::perms::owner_exec);
  const auto error = SaveCircuitFile(SmallCircuit(), (dir_ / "locked" / "a.cir").string());
  ASSERT_TRUE(error);
  EXPECT_EQ(error->reason, "cannot create: Permission denied");
  EXPECT_EQ(Contents(dir_ / "locked" / "a.cir"), "old");
}

TEST_F(SaveAndLoad, LoadingWhatIsNoCircuitFileFailsWithoutALine) {
  const LoadResult missing = LoadCircuitFile((dir_ / "none.cir").string());
  EXPECT_FALSE(missing.document);
  EXPECT_EQ(missing.error.reason, "cannot open: No such file or directory");
  EXPECT_EQ(missing.error.line, 0);
  EXPECT_EQ(LoadCircuitFile(dir_.string()).error.reason, "cannot read: Is a directory");
  EXPECT_EQ(LoadCircuitFile("/dev/zero").error.reason, "cannot read: File too large");
}

TEST(Describe, NamesThePathAndTheLineWhenThereIsOne) {
  EXPECT_EQ(Describe("a.cir", FileError{"the file ends early", 56}), "a.cir: line 56: the file ends early");
  EXPECT_EQ(Describe("a.cir", FileError{"cannot open: Permission denied", 0}), "a.cir: cannot open: Permission denied");
}

}  // namespace
}  // namespace tessara
