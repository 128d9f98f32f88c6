#include "io/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace tessara {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinkHops = 40;
constexpr int kMaxNameTries = 100;

// step, a pattern of context "Files" with the system's reason as %1.
Phrase Reason(const char* step, int error) { return Words("Files", step, std::strerror(error)); }

// The path of the file a chain of symlinks ends at (path itself when it is no link);
// nothing when the chain is too long.
std::optional<fs::path> FollowLinks(fs::path path) {
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    std::error_code ec;
    if (fs::symlink_status(path, ec).type() != fs::file_type::symlink) return path;
    const fs::path target = fs::read_symlink(path, ec);
    if (ec) return path;
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return std::nullopt;
}

// A new, empty file beside target, created with mode (less the umask), or -1 with errno.
int CreateBeside(const fs::path& target, mode_t mode, std::string& name) {
  static unsigned counter = 0;
  const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
  for (int attempt = 0; attempt < kMaxNameTries; ++attempt) {
    name = (dir / ("." + target.filename().string() + ".tmp-" + std::to_string(getpid()) + "-" +
                   std::to_string(counter++)))
               .string();
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Flushes the directory entry of a finished rename; a failure here leaves the new
// content in place and is not reported.
void SyncDirectory(const fs::path& target) {
  const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

std::optional<Phrase> ReplaceFile(const std::string& path, std::string_view bytes,
                                  const WriteStep& write) {
  const auto target = FollowLinks(path);
  if (!target) return Reason(TESSARA_PHRASE("Files", "cannot replace: %1"), ELOOP);

  // Only a regular file is replaced: a folder, a device or a pipe at path stays as it is.
  struct stat old {};
  const bool replacing = stat(target->c_str(), &old) == 0;
  if (replacing && S_ISDIR(old.st_mode))
    return Reason(TESSARA_PHRASE("Files", "cannot replace: %1"), EISDIR);
  if (replacing && !S_ISREG(old.st_mode))
    return Words("Files", TESSARA_PHRASE("Files", "cannot replace: not a regular file"));
  std::string temp;
  const int fd = CreateBeside(*target, replacing ? (old.st_mode & 07777) : 0666, temp);
  if (fd < 0) return Reason(TESSARA_PHRASE("Files", "cannot create: %1"), errno);

  std::optional<Phrase> failure;
  if (replacing && fchmod(fd, old.st_mode & 07777) != 0)
    failure = Reason(TESSARA_PHRASE("Files", "cannot create: %1"), errno);
  if (!failure) {
    if (const int error = write(fd, bytes))
      failure = Reason(TESSARA_PHRASE("Files", "cannot write: %1"), error);
  }
  if (!failure && fsync(fd) != 0)
    failure = Reason(TESSARA_PHRASE("Files", "cannot write: %1"), errno);
  if (close(fd) != 0 && !failure)
    failure = Reason(TESSARA_PHRASE("Files", "cannot write: %1"), errno);
  if (!failure && rename(temp.c_str(), target->c_str()) != 0)
    failure = Reason(TESSARA_PHRASE("Files", "cannot replace: %1"), errno);
  if (failure) {
    unlink(temp.c_str());
    return failure;
  }
  SyncDirectory(*target);
  return std::nullopt;
}

}  // namespace tessara
