#include "sim_harness.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

extern char** environ;

namespace tessara::tool_test {

SimRun RunSim(const std::vector<std::string>& args) {
  TempFolder folder;
  const std::string outPath = (folder.path() / "stdout").string(), errPath = (folder.path() / "stderr").string();
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
  run.out = ReadFile(outPath);
  run.err = ReadFile(errPath);
  return run;
}

}  // namespace tessara::tool_test
