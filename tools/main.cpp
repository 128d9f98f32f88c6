// tessara-sim: loads circuit files and prints traces, truth tables, comparisons,
// checks and expressions, or writes a circuit back; the pieces live in
// tessara_sim_lib, this file dispatches and turns failures into exit codes.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "arguments.h"
#include "check_command.h"
#include "exit_codes.h"
#include "expr_command.h"
#include "help.h"
#include "io/circuit_file.h"
#include "sim/terminals.h"
#include "table_commands.h"
#include "trace.h"

namespace {

using namespace tessara;
using namespace tessara::tool;

int UsageError(const std::string& reason) {
  std::cerr << "tessara-sim: " << reason << '\n' << UsageText();
  return kExitUsage;
}

// The document in path, or nothing after telling stderr why not.
std::optional<Document> Load(const std::string& path) {
  LoadResult loaded = LoadCircuitFile(path);
  if (!loaded.document) std::cerr << Describe(path, loaded.error) << '\n';
  return std::move(loaded.document);
}

int Trace(const Command& command, Document& doc) {
  if (std::optional<Action> bad = InputOutOfRange(doc, command.actions)) {
    return UsageError("bad action '" + bad->text + "': the circuit has " +
                      std::to_string(FindTerminals(doc).inputs.size()) + " inputs");
  }
  if (command.Has("--wavedrom")) {
    WriteWaveDrom(doc, command.actions, std::cout);
  } else {
    WriteTrace(doc, command.actions, std::cout);
  }
  return kExitOk;
}

int Resave(const Document& doc, const std::string& out) {
  if (std::optional<FileError> error = SaveCircuitFile(doc, out)) {
    std::cerr << Describe(out, *error) << '\n';
    return kExitBadFile;
  }
  return kExitOk;
}

int Run(const Command& command) {
  switch (command.verb) {
    case Verb::Help:
      std::cout << HelpText();
      return kExitOk;
    case Verb::Compare:
      return Compare(command, std::cout, std::cerr);
    case Verb::Check:
      return Check(command, std::cout, std::cerr);
    default:
      break;
  }
  std::optional<Document> doc = Load(command.files.front());
  if (!doc) return kExitBadFile;
  switch (command.verb) {
    case Verb::Trace:
      return Trace(command, *doc);
    case Verb::Table:
      return Table(command, *doc, std::cout, std::cerr);
    case Verb::Resave:
      return Resave(*doc, command.files.back());
    case Verb::Expr:
      return Expr(*doc, std::cout);
    default:
      return kExitOk;
  }
}

}  // namespace

int main(int argc, char** argv) {
  const ParsedArguments parsed = ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.command) return UsageError(parsed.error);
  const int status = Run(*parsed.command);
  if (!std::cout.flush()) {
    std::cerr << "tessara-sim: cannot write to standard output\n";
    return kExitBadFile;
  }
  return status;
}
