// A fresh folder for one test, removed with everything in it (read-only subfolders too)
// when the object goes; and the whole bytes of a file, to read and to write.
#pragma once
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tessara::testing {
namespace fs = std::filesystem;
// The whole content of the file at path; empty when it cannot be read.
inline std::string ReadFile(const fs::path& path) {
  std::ostringstream bytes;
  bytes << std::ifstream(path, std::ios::binary).rdbuf();
  return bytes.str();
}
// Replaces the file at path with text, byte for byte; returns path.
inline fs::path WriteFile(const fs::path& path, std::string_view text) {
  std::ofstream(path, std::ios::binary) << text;
  return path;
}
class TempFolder {
 public:
  TempFolder()
      : path_(mkdtemp((fs::temp_directory_path() / "tessara-test-XXXXXX").string().data())) {}
  ~TempFolder() {
    std::error_code ec;
    for (fs::recursive_directory_iterator it(path_, ec), end; !ec && it != end; it.increment(ec))
      if (!it->is_symlink(ec) && it->is_directory(ec))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  const fs::path& path() const { return path_; }
  // The names of a folder's entries, sorted: what a test sees to know nothing was left.
  std::vector<std::string> Names() const { return Names(path_); }
  static std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  fs::path path_;
};
}  // namespace tessara::testing
