// Save As as a user meets its failures: each one shows an "Error" box saying what
// happened, keeps the caption, leaves the file it would have replaced as it was and
// leaves no temporary file behind. Full and read-only disks are small tmpfs mounts, so
// the binary runs as root or in a user namespace of its own (see CMakeLists.txt).
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "editor/commands.h"
#include "fake_screen.h"
#include "model/gatekinds.h"
#include "temp_folder.h"

namespace tessara {
namespace {

namespace fs = std::filesystem;

using testing::ReadFile;
using testing::TempFolder;

class SaveFaults : public ::testing::Test {
 protected:
  SaveFaults() { Form_Load(form_); }
  ~SaveFaults() override {
    if (mounted_) umount2(dir_.c_str(), MNT_DETACH);
  }

  // A tmpfs of size bytes over the test folder.
  void MountSmallDisk(const char* size) {
    const std::string options = std::string("size=") + size;
    ASSERT_EQ(mount("tmpfs", dir_.c_str(), "tmpfs", 0, options.c_str()), 0)
        << "cannot mount a tmpfs: " << std::strerror(errno);
    mounted_ = true;
  }

  // An earlier save of the circuit to name, whose bytes must survive what follows.
  fs::path EarlierSave(const char* name) {
    const fs::path path = dir_ / name;
    screen_.file_answers.push_back(path);
    Save_Click(form_);
    screen_.SetCaption("Tessara");
    old_ = ReadFile(path);
    EXPECT_FALSE(old_.empty());
    return path;
  }

  // Save As to path with one more gate in the circuit; the save must fail with reason.
  void ExpectRefusedSave(const fs::path& path, const std::string& reason) {
    form_.doc.PutGate(0, MakeGate(kAndGate));
    form_.doc.Gates(0).SetUsed(true);
    const std::vector<std::string> before = TempFolder::Names(dir_);
    screen_.file_answers.push_back(path);
    Save_Click(form_);
    ASSERT_EQ(screen_.messages.size(), 1u);
    EXPECT_EQ(screen_.messages[0].title, "Error");
    EXPECT_EQ(screen_.messages[0].prompt, "Cannot save \"" + path.string() + "\":\n" + reason);
    EXPECT_EQ(screen_.Caption(), "Tessara");
    EXPECT_EQ(TempFolder::Names(dir_), before) << "a temporary file was left";
  }

  TempFolder folder_;
  const fs::path& dir_ = folder_.path();
  bool mounted_ = false;
  std::string old_;
  testing::FakeScreen screen_;
  Form form_{screen_};
};

TEST_F(SaveFaults, FullDiskKeepsTheOldFile) {
  MountSmallDisk("16k");
  const fs::path path = EarlierSave("circuit.cir");
  std::ofstream filler(dir_ / "filler", std::ios::binary);
  const std::string block(1024, 'x');
  while (filler.write(block.data(), block.size()) && filler.flush()) {}
  filler.close();
  ExpectRefusedSave(path, "cannot write: No space left on device");
  EXPECT_EQ(ReadFile(path), old_);
}

TEST_F(SaveFaults, ReadOnlyDiskKeepsTheOldFile) {
  MountSmallDisk("64k");
  const fs::path path = EarlierSave("circuit.cir");
  ASSERT_EQ(mount("tmpfs", dir_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr), 0);
  ExpectRefusedSave(path, "cannot create: Read-only file system");
  EXPECT_EQ(ReadFile(path), old_);
}

TEST_F(SaveFaults, FolderOrPipeInTheWayIsLeftAsItIs) {
  fs::create_directory(dir_ / "folder.cir");
  ExpectRefusedSave(dir_ / "folder.cir", "cannot replace: Is a directory");
  screen_.messages.clear();
  ASSERT_EQ(mkfifo((dir_ / "pipe.cir").c_str(), 0644), 0);
  ExpectRefusedSave(dir_ / "pipe.cir", "cannot replace: not a regular file");
  EXPECT_TRUE(fs::is_directory(dir_ / "folder.cir"));
  EXPECT_TRUE(fs::is_fifo(dir_ / "pipe.cir"));
}

TEST_F(SaveFaults, MissingFolderIsNamed) {
  ExpectRefusedSave(dir_ / "gone" / "circuit.cir", "cannot create: No such file or directory");
}

TEST_F(SaveFaults, UnusualNamesAndLinksSaveAndLoadBack) {
  fs::create_directory(dir_ / "real");
  fs::create_symlink("real/target.cir", dir_ / "link.cir");
  for (const char* name : {"with spaces.cir", "Schaltkreis für Übung, 2.cir", "link.cir"}) {
    const fs::path path = dir_ / name;
    screen_.file_answers.push_back(path);
    Save_Click(form_);
    EXPECT_TRUE(screen_.messages.empty()) << name;
    EXPECT_EQ(screen_.Caption(), "Tessara - " + path.string());
    EXPECT_TRUE(LoadCircuit(form_, path.string())) << name;
  }
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.cir"));
  EXPECT_EQ(TempFolder::Names(dir_ / "real"), std::vector<std::string>{"target.cir"});
}

}  // namespace
}  // namespace tessara
