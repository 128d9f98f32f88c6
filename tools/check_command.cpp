#include "check_command.h"

#include "exit_codes.h"
#include "io/circuit_file.h"
#include "io/circuit_warnings.h"
#include "json.h"
#include "summary.h"

namespace tessara::tool {

namespace {

Json ToJson(const std::string& path, const Counts& counts,
            const std::vector<CircuitWarning>& warnings) {
  Json gates = Json::object();
  for (const auto& [kind, count] : counts.kinds) gates[kind] = count;
  Json list = Json::array();
  for (const CircuitWarning& warning : warnings) {
    list.push_back({{"line", warning.line}, {"text", warning.text.English()}});
  }
  return {{"tessara", kJsonFormat},
          {"file", path},
          {"ok", true},
          {"gates", gates},
          {"inputs", counts.inputs},
          {"outputs", counts.outputs},
          {"nodes", counts.nodes},
          {"links", counts.links},
          {"warnings", list}};
}

}  // namespace

int Check(const Command& command, std::ostream& out, std::ostream& err) {
  const bool json = command.Has("--json");
  bool failed = false, warned = false;
  for (const std::string& path : command.operands) {
    const LoadResult loaded = LoadCircuitFile(path);
    if (!loaded.document) {
      failed = true;
      err << Describe(path, loaded.error) << '\n';
      if (json) {
        out << Dump({{"tessara", kJsonFormat},
                     {"file", path},
                     {"ok", false},
                     {"line", loaded.error.line > 0 ? Json(loaded.error.line) : nullptr},
                     {"error", loaded.error.reason.English()}})
            << '\n';
      }
      continue;
    }
    const Counts counts = CountSlots(*loaded.document);
    const std::vector<CircuitWarning> warnings = FindWarnings(*loaded.document);
    warned = warned || !warnings.empty();
    if (json) {
      out << Dump(ToJson(path, counts, warnings)) << '\n';
      continue;
    }
    out << Summary(path, counts) << '\n';
    for (const CircuitWarning& warning : warnings) {
      out << path << ':' << warning.line << ": warning: " << warning.text.English() << '\n';
    }
  }
  if (failed) return kExitBadFile;
  return warned && command.Has("--strict") ? kExitDiffers : kExitOk;
}

}  // namespace tessara::tool
