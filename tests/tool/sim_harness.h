// What the tool tests share: running the real tessara-sim, a scratch folder for the
// files they make, and the few editor moves needed to draw a small circuit.
#pragma once

#include <string>
#include <vector>

#include "model/document.h"

namespace tessara::tool_test {

struct SimRun {
  int exitCode = -1;  // -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// Runs tessara-sim with args and collects its exit code, stdout and stderr.
SimRun RunSim(const std::vector<std::string>& args);

// The path of an example circuit shipped in examples/.
std::string ExamplePath(const std::string& name);

// The whole content of a file; empty when it cannot be read.
std::string ReadBytes(const std::string& path);

// A fresh folder, removed with everything in it when the object goes.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  std::string PathOf(const std::string& name) const;
  // Writes text into the folder under name; returns its path.
  std::string Write(const std::string& name, const std::string& text) const;
  // Writes doc as a circuit file under name; returns its path.
  std::string Save(const std::string& name, const Document& doc) const;

 private:
  std::string path_;
};

// Places a new gate of kind at (x, y) in the lowest free slot, as the editor does.
Integer Place(Document& doc, Long kind, Single x, Single y);

// Draws a straight link from the output of slot from to input `input` of slot to.
void Wire(Document& doc, Integer from, Integer to, Integer input);

}  // namespace tessara::tool_test
