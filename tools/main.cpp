// tessara-sim: loads a circuit file and prints its trace, truth table or summary,
// or writes it back; the pieces live in tessara_sim_lib, this file dispatches and
// turns failures into exit codes.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "arguments.h"
#include "help.h"
#include "io/circuit_file.h"
#include "summary.h"
#include "trace.h"
#include "truth_table.h"

namespace {

using namespace tessara;
using namespace tessara::tool;

constexpr int kExitOk = 0;
constexpr int kExitBadFile = 1;
constexpr int kExitUsage = 2;

// The document in path, or nothing after telling stderr why not.
std::optional<Document> Load(const std::string& path) {
  LoadResult loaded = LoadCircuitFile(path);
  if (!loaded.document) std::cerr << Describe(path, loaded.error) << '\n';
  return std::move(loaded.document);
}

int Table(const std::string& path, const Document& doc) {
  const std::size_t inputs = FindTerminals(doc).inputs.size();
  if (inputs > kMaxTableInputs) {
    std::cerr << path << ": " << inputs << " inputs; a truth table takes at most "
              << kMaxTableInputs << '\n';
    return kExitBadFile;
  }
  WriteTruthTable(doc, std::cout);
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
  if (command.verb == Verb::Help) {
    std::cout << HelpText();
    return kExitOk;
  }
  const std::string& path = command.files.front();
  std::optional<Document> doc = Load(path);
  if (!doc) return kExitBadFile;
  switch (command.verb) {
    case Verb::Trace:
      WriteTrace(*doc, command.actions, std::cout);
      return kExitOk;
    case Verb::Table:
      return Table(path, *doc);
    case Verb::Resave:
      return Resave(*doc, command.files.back());
    case Verb::Check:
      std::cout << Summary(path, *doc) << '\n';
      return kExitOk;
    case Verb::Help:
      break;
  }
  return kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
  const ParsedArguments parsed = ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.command) {
    std::cerr << "tessara-sim: " << parsed.error << '\n' << UsageText();
    return kExitUsage;
  }
  const int status = Run(*parsed.command);
  if (!std::cout.flush()) {
    std::cerr << "tessara-sim: cannot write to standard output\n";
    return kExitBadFile;
  }
  return status;
}
