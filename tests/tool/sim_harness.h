// What the tool tests share: running the real tessara-sim and saving the small
// circuits the tests draw.
#pragma once
#include <sys/wait.h>
#include <cstdlib>
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
  std::string out, err;
};
// Runs tessara-sim with args (words without quotes) and collects its exit code,
// stdout and stderr.
inline SimRun RunSim(const std::vector<std::string>& args) {
  TempFolder folder;
  std::string command = "'" TESSARA_SIM "'";
  for (const std::string& arg : args) command += " '" + arg + "'";
  const int status = std::system((command + " >" + (folder.path() / "out").string() + " 2>" +
                                  (folder.path() / "err").string()).c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(folder.path() / "out"), ReadFile(folder.path() / "err")};
}
inline std::string ExamplePath(const std::string& name) { return std::string(TESSARA_EXAMPLES) + "/" + name; }
// Saves doc as name in folder; returns its path.
inline std::string Save(const TempFolder& folder, const char* name, const Document& doc) {
  return testing::WriteFile(folder.path() / name, WriteCircuit(doc)).string();
}
}  // namespace tessara::tool_test
