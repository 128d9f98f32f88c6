// What the tool tests share: running the real tessara-sim and saving the small
// circuits the tests draw.
#pragma once

#include <string>
#include <vector>

#include "circuits.h"
#include "io/circuit_file.h"
#include "temp_folder.h"

namespace tessara::tool_test {

using testing::PutGate;
using testing::PutLink;
using testing::ReadFile;
using testing::TempFolder;

struct SimRun {
  int exitCode = -1;  // -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// Runs tessara-sim with args and collects its exit code, stdout and stderr.
SimRun RunSim(const std::vector<std::string>& args);

// The path of an example circuit shipped in examples/.
inline std::string ExamplePath(const std::string& name) { return std::string(TESSARA_EXAMPLES) + "/" + name; }

// Saves doc as name in folder; returns its path.
inline std::string Save(const TempFolder& folder, const char* name, const Document& doc) {
  return testing::WriteFile(folder.path() / name, WriteCircuit(doc)).string();
}

}  // namespace tessara::tool_test
