#include "picture_command.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "exit_codes.h"
#include "help.h"
#include "io/circuit_file.h"
#include "sim/terminals.h"
#include "trace.h"

namespace tessara::tool {
namespace {

// Where tessara-picture lies: beside this program (the build tree), else in the helpers'
// folder of the prefix this program is installed under.
std::string HelperPath() {
  std::error_code error;
  const std::filesystem::path folder =
      std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
  const std::filesystem::path beside = folder / "tessara-picture";
  if (std::filesystem::exists(beside, error)) return beside.string();
  return (folder.parent_path() / TESSARA_HELPERS / "tessara-picture").string();
}

}  // namespace

int PictureCommand(const Command& command, std::ostream& out, std::ostream& err) {
  const std::string& file = command.operands[0];
  LoadResult loaded = LoadCircuitFile(file);
  if (!loaded.document) {
    err << Describe(file, loaded.error) << '\n';
    return kExitBadFile;
  }
  if (!ActionsFor(*loaded.document, std::span(command.operands).subspan(2), err)) {
    return kExitUsage;
  }
  const std::string helper = HelperPath();
  const std::string scale = std::to_string(command.Number("--scale", 1));
  std::vector<const char*> args = {helper.c_str(), file.c_str(), command.operands[1].c_str(),
                                   scale.c_str()};
  for (std::size_t i = 2; i < command.operands.size(); ++i) {
    args.push_back(command.operands[i].c_str());
  }
  args.push_back(nullptr);
  out.flush();
  std::cout.flush();
  execv(helper.c_str(), const_cast<char* const*>(args.data()));
  err << "tessara-sim: cannot run " << helper << ": " << std::strerror(errno) << '\n';
  return kExitBadFile;
}

}  // namespace tessara::tool
