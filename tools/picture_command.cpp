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

std::optional<std::string> CheckPictureOperands(std::span<const std::string> operands) {
  for (const std::string& text : operands.subspan(2)) {
    if (!ParseAction(text)) return "bad action '" + text + "' (expected t<slot>, tI<n>, p or p<N>)";
  }
  return std::nullopt;
}

int PictureCommand(const Command& command, std::ostream& out, std::ostream& err) {
  const std::string& file = command.operands[0];
  LoadResult loaded = LoadCircuitFile(file);
  if (!loaded.document) {
    err << Describe(file, loaded.error) << '\n';
    return kExitBadFile;
  }
  std::vector<Action> actions;
  for (std::size_t i = 2; i < command.operands.size(); ++i) {
    actions.push_back(*ParseAction(command.operands[i]));
  }
  if (std::optional<Action> bad = InputOutOfRange(*loaded.document, actions)) {
    return UsageError("bad action '" + bad->text + "': the circuit has " +
                          std::to_string(FindTerminals(*loaded.document).inputs.size()) + " inputs",
                      err);
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
