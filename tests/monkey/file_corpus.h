// The files the monkey opens and the names it saves under: the example circuits,
// circuits saved earlier in the run, damaged copies of either (truncated, or with a
// few bytes changed), a missing path, a folder, and cancelled dialogs.
#pragma once

#include <random>
#include <string>
#include <vector>

namespace tessara::app {

class FileCorpus {
 public:
  struct Choice {
    std::string kind;  // "example", "saved", "truncated", "flipped", "missing", "folder",
                       // "new", "overwrite", "no folder", "cancel"
    std::string path;  // "" for a cancelled dialog
  };

  // examples: the folder of example circuits; folder: an empty folder to write in.
  FileCorpus(const std::string& examples, const std::string& folder);

  std::size_t exampleCount() const { return examples_; }

  Choice PickToOpen(std::mt19937& rng);
  // A "new" name is offered to PickToOpen from now on, as saved.
  Choice PickToSave(std::mt19937& rng);

 private:
  std::string NewPath(const char* stem);
  // A random one of paths_[from, to).
  const std::string& Any(std::size_t from, std::size_t to, std::mt19937& rng) const;

  std::string folder_;
  std::vector<std::string> paths_;  // the examples, then the files saved in the run
  std::size_t examples_ = 0;
  long made_ = 0;
};

}  // namespace tessara::app
