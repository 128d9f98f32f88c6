#include "verilog_command.h"

#include "exit_codes.h"
#include "help.h"
#include "io/circuit_file.h"
#include "io/verilog_text.h"
#include "sim/terminals.h"
#include "trace.h"

namespace tessara::tool {

int VerilogCommand(const Command& command, std::ostream& out, std::ostream& err) {
  const bool bench = command.Has("--testbench");
  if (!bench && command.operands.size() > 1) {
    return UsageError("actions are taken only with --testbench", err);
  }
  const std::string& file = command.operands.front();
  LoadResult loaded = LoadCircuitFile(file);
  if (!loaded.document) {
    err << Describe(file, loaded.error) << '\n';
    return kExitBadFile;
  }
  const Document& doc = *loaded.document;
  const std::vector<std::int16_t> inputs = FindTerminals(doc).inputs;
  const std::optional<std::vector<Action>> actions =
      ActionsFor(doc, std::span(command.operands).subspan(1), err);
  if (!actions) return kExitUsage;
  const std::string name = VerilogModuleName(file);
  out << WriteVerilog(doc, name);
  if (!bench) return kExitOk;
  std::vector<BenchAction> steps;
  for (const Action& action : *actions) {
    switch (action.kind) {
      case Action::Kind::Prop:
        steps.push_back({"p", std::nullopt, action.steps});
        break;
      case Action::Kind::Toggle:
        steps.push_back({action.text, action.slot, 0});
        break;
      case Action::Kind::ToggleInput:
        steps.push_back({action.text, inputs.at(static_cast<std::size_t>(action.steps - 1)), 0});
        break;
    }
  }
  out << '\n' << WriteVerilogTestbench(doc, name, steps);
  return kExitOk;
}

}  // namespace tessara::tool
