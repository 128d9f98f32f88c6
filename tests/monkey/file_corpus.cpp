#include "file_corpus.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tessara::app {
namespace {

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

template <typename T>
const T& Any(const std::vector<T>& items, std::mt19937& rng) {
  return items[std::uniform_int_distribution<std::size_t>(0, items.size() - 1)(rng)];
}

// Bytes that keep a damaged file close to a readable one.
constexpr std::string_view kLikelyBytes = "0123456789-+.,#eE\"\r\n TRUEFALS";

}  // namespace

FileCorpus::FileCorpus(const std::string& examples, const std::string& folder) : folder_(folder) {
  std::vector<std::string> paths;
  if (std::filesystem::is_directory(examples)) {
    for (const auto& entry : std::filesystem::directory_iterator(examples)) {
      if (entry.path().extension() == ".cir") paths.push_back(entry.path().string());
    }
  }
  std::sort(paths.begin(), paths.end());  // the directory's order is not the run's
  for (const std::string& path : paths) texts_.push_back({path, ReadText(path), false});
  examples_ = texts_.size();
}

std::string FileCorpus::NewPath(const char* stem) {
  return folder_ + "/" + stem + "-" + std::to_string(++made_) + ".cir";
}

std::string FileCorpus::Damage(const std::string& text, bool truncate, std::mt19937& rng) const {
  if (text.empty()) return text;
  auto position = [&] { return std::uniform_int_distribution<std::size_t>(0, text.size() - 1)(rng); };
  if (truncate) return text.substr(0, position());
  std::string damaged = text;
  const int flips = std::uniform_int_distribution<int>(1, 3)(rng);
  for (int f = 0; f < flips; ++f) {
    const std::size_t at = position();
    if (std::uniform_int_distribution<int>(0, 3)(rng) == 0) {
      damaged[at] = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(rng));
    } else {
      damaged[at] = kLikelyBytes[std::uniform_int_distribution<std::size_t>(
          0, kLikelyBytes.size() - 1)(rng)];
    }
  }
  return damaged;
}

FileCorpus::Choice FileCorpus::PickToOpen(std::mt19937& rng) {
  const int roll = std::uniform_int_distribution<int>(0, 99)(rng);
  auto pick = [&](std::size_t from, std::size_t to) -> const Known& {
    return texts_[std::uniform_int_distribution<std::size_t>(from, to - 1)(rng)];
  };
  if (roll < 30) return {"example", pick(0, examples_).path, false};
  if (roll < 50 && texts_.size() > examples_) {
    const Known& known = pick(examples_, texts_.size());
    return {"saved", known.path, known.odd};
  }
  if (roll < 85) {
    const bool truncate = roll % 2 == 0;
    const std::string path = NewPath(truncate ? "truncated" : "flipped");
    std::ofstream(path, std::ios::binary) << Damage(Any(texts_, rng).text, truncate, rng);
    return {truncate ? "truncated" : "flipped", path, true};
  }
  if (roll < 92) return {"missing", folder_ + "/missing-" + std::to_string(++made_) + ".cir", false};
  if (roll < 96) return {"folder", folder_, false};
  return {"cancel", "", false};
}

FileCorpus::Choice FileCorpus::PickToSave(std::mt19937& rng) {
  const int roll = std::uniform_int_distribution<int>(0, 99)(rng);
  if (roll < 10) return {"folder", folder_, false};
  if (roll < 15) return {"no folder", folder_ + "/no-such-folder/x.cir", false};
  if (roll < 20) return {"cancel", "", false};
  if (roll < 60 || saved_.empty()) return {"new", NewPath("saved"), false};
  return {"overwrite", Any(saved_, rng), false};
}

void FileCorpus::Saved(const Choice& choice, bool odd) {
  const std::string text = ReadText(choice.path);
  for (Known& known : texts_) {
    if (known.path == choice.path) {
      known = {choice.path, text, odd};
      return;
    }
  }
  texts_.push_back({choice.path, text, odd});
  saved_.push_back(choice.path);
}

}  // namespace tessara::app
