#include "sim_harness.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "io/circuit_file.h"
#include "model/gatekinds.h"

extern char** environ;

namespace tessara::tool_test {

SimRun RunSim(const std::vector<std::string>& args) {
  ScratchDir scratch;
  const std::string outPath = scratch.PathOf("stdout"), errPath = scratch.PathOf("stderr");
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&files, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

  std::vector<std::string> words{TESSARA_SIM};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  SimRun run;
  pid_t pid = 0;
  if (posix_spawn(&pid, TESSARA_SIM, &files, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    if (waitpid(pid, &status, 0) == pid && WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
  } else {
    ADD_FAILURE() << "cannot start " << TESSARA_SIM;
  }
  posix_spawn_file_actions_destroy(&files);
  run.out = ReadBytes(outPath);
  run.err = ReadBytes(errPath);
  return run;
}

std::string ExamplePath(const std::string& name) { return std::string(TESSARA_EXAMPLES) + "/" + name; }

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

ScratchDir::ScratchDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tessara-sim-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot make a scratch folder";
  path_ = pattern;
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ScratchDir::PathOf(const std::string& name) const { return path_ + "/" + name; }

std::string ScratchDir::Write(const std::string& name, const std::string& text) const {
  std::ofstream(PathOf(name), std::ios::binary) << text;
  return PathOf(name);
}

std::string ScratchDir::Save(const std::string& name, const Document& doc) const {
  return Write(name, WriteCircuit(doc));
}

Integer Place(Document& doc, Long kind, Single x, Single y) {
  const Integer slot = doc.GetFreeGate().value();
  doc.PutGate(slot, MakeGate(kind));
  doc.SetObject(slot, x, y);
  doc.Gates(slot).SetUsed(true);
  return slot;
}

void Wire(Document& doc, Integer from, Integer to, Integer input) {
  linkgates& link = doc.Links(doc.GetFreeLink().value());
  link.SetStart(from, 0);
  link.SetStop(to, input);
  link.SetUsed(true);
}

}  // namespace tessara::tool_test
