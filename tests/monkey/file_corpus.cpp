#include "file_corpus.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tessara::app {
namespace {

// Bytes that keep a damaged file close to a readable one.
constexpr std::string_view kLikelyBytes = "0123456789-+.,#eE\"\r\n TRUEFALS";

// The file at path cut short, or with one to three bytes changed.
std::string Damaged(const std::string& path, bool truncate, std::mt19937& rng) {
  std::ostringstream read;
  read << std::ifstream(path, std::ios::binary).rdbuf();
  std::string text = read.str();
  if (text.empty()) return text;
  auto any = [&rng](std::size_t size) {
    return std::uniform_int_distribution<std::size_t>(0, size - 1)(rng);
  };
  if (truncate) return text.substr(0, any(text.size()));
  const int flips = std::uniform_int_distribution<int>(1, 3)(rng);
  for (int f = 0; f < flips; ++f) {
    const std::size_t at = any(text.size());
    text[at] = std::uniform_int_distribution<int>(0, 3)(rng) == 0
                   ? static_cast<char>(std::uniform_int_distribution<int>(0, 255)(rng))
                   : kLikelyBytes[any(kLikelyBytes.size())];
  }
  return text;
}

}  // namespace

FileCorpus::FileCorpus(const std::string& examples, const std::string& folder) : folder_(folder) {
  if (std::filesystem::is_directory(examples)) {
    for (const auto& entry : std::filesystem::directory_iterator(examples)) {
      if (entry.path().extension() == ".cir") paths_.push_back(entry.path().string());
    }
  }
  std::sort(paths_.begin(), paths_.end());  // the directory's order is not the run's
  examples_ = paths_.size();
}

std::string FileCorpus::NewPath(const char* stem) {
  return folder_ + "/" + stem + "-" + std::to_string(++made_) + ".cir";
}

const std::string& FileCorpus::Any(std::size_t from, std::size_t to, std::mt19937& rng) const {
  return paths_[std::uniform_int_distribution<std::size_t>(from, to - 1)(rng)];
}

FileCorpus::Choice FileCorpus::PickToOpen(std::mt19937& rng) {
  const int roll = std::uniform_int_distribution<int>(0, 99)(rng);
  if (roll < 30) return {"example", Any(0, examples_, rng)};
  const std::size_t all = paths_.size();
  if (roll < 50 && all > examples_) return {"saved", Any(examples_, all, rng)};
  if (roll < 85) {
    const char* kind = roll % 2 == 0 ? "truncated" : "flipped";
    const std::string path = NewPath(kind);
    std::ofstream(path, std::ios::binary) << Damaged(Any(0, all, rng), roll % 2 == 0, rng);
    return {kind, path};
  }
  if (roll < 92) return {"missing", folder_ + "/missing-" + std::to_string(++made_) + ".cir"};
  if (roll < 96) return {"folder", folder_};
  return {"cancel", ""};
}

FileCorpus::Choice FileCorpus::PickToSave(std::mt19937& rng) {
  const int roll = std::uniform_int_distribution<int>(0, 99)(rng);
  if (roll < 10) return {"folder", folder_};
  if (roll < 15) return {"no folder", folder_ + "/no-such-folder/x.cir"};
  if (roll < 20) return {"cancel", ""};
  const std::size_t all = paths_.size();
  if (roll >= 60 && all > examples_) return {"overwrite", Any(examples_, all, rng)};
  paths_.push_back(NewPath("saved"));
  return {"new", paths_.back()};
}

}  // namespace tessara::app
