#include "expr_command.h"

#include "exit_codes.h"
#include "io/circuit_file.h"
#include "io/expression_text.h"

namespace tessara::tool {

int ExprCommand(const Command& command, std::ostream& out, std::ostream& err) {
  const std::string& path = command.operands.front();
  const LoadResult loaded = LoadCircuitFile(path);
  if (!loaded.document) {
    err << Describe(path, loaded.error) << '\n';
    return kExitBadFile;
  }
  out << ExpressionText(*loaded.document);
  return kExitOk;
}

}  // namespace tessara::tool
