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
    // The circuit may hold what the editor never builds (a damaged file, or one saved
    // from such a circuit).
    bool odd = false;
  };

  // examples: the folder of example circuits; folder: an empty folder to write in.
  FileCorpus(const std::string& examples, const std::string& folder);

  std::size_t exampleCount() const { return examples_; }

  Choice PickToOpen(std::mt19937& rng);
  Choice PickToSave(std::mt19937& rng);
  // A save to path succeeded; odd as the circuit saved.
  void Saved(const Choice& choice, bool odd);

 private:
  struct Known {
    std::string path, text;
    bool odd;
  };
  std::string Damage(const std::string& text, bool truncate, std::mt19937& rng) const;
  std::string NewPath(const char* stem);

  std::string folder_;
  std::vector<Known> texts_;   // examples, then files saved in the run
  std::size_t examples_ = 0;
  std::vector<std::string> saved_;
  long made_ = 0;
};

}  // namespace tessara::app
