#include "build_command.h"

#include <optional>
#include <string>

#include "exit_codes.h"
#include "help.h"
#include "io/circuit_builder.h"
#include "io/table_text.h"

namespace tessara::tool {
namespace {

GateSet GateSetOf(const Command& command) {
  const std::string word = command.Value("--gates").value_or("any");
  for (GateSet set : {GateSet::Any, GateSet::NandOnly, GateSet::NorOnly}) {
    if (GateSetWord(set) == word) return set;
  }
  return GateSet::Any;
}

}  // namespace

int BuildCommand(const Command& command, std::ostream&, std::ostream& err) {
  const std::optional<std::string> expr = command.Value("--expr");
  const std::optional<std::string> table = command.Value("--table");
  if (command.operands.size() != (expr || table ? 1u : 2u)) {
    return UsageError("build needs --expr TEXT, --table FILE or FILE, and OUT", err);
  }
  const GateSet set = GateSetOf(command);
  std::string source = "--expr";
  BuildResult built;
  if (expr) {
    built = BuildFromExpressions(*expr, set);
  } else {
    source = table ? *table : command.operands.front();
    const TextResult text = ReadFileText(source, kMaxTableTextBytes);
    if (!text.text) {
      err << Describe(source, text.error) << '\n';
      return kExitBadFile;
    }
    built = table ? BuildFromTableText(*text.text, set) : BuildFromExpressions(*text.text, set);
  }
  if (!built.document) {
    err << (built.fault ? "tessara-sim: " : source + ": ") << Describe(built.error) << '\n';
    return kExitBadFile;
  }
  const std::string& path = command.operands.back();
  if (std::optional<FileError> error = SaveCircuitFile(*built.document, path)) {
    err << Describe(path, *error) << '\n';
    return kExitBadFile;
  }
  return kExitOk;
}

}  // namespace tessara::tool
