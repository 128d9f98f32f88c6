// tessara-sim: loads circuit files and prints traces, truth tables, comparisons, grades,
// checks, explanations and expressions, plays sequences, or writes a circuit back. The pieces live
// in tessara_sim_lib; this file holds the table of verbs, dispatches and turns failures into exit
// codes.
// checks, explanations and expressions, writes a circuit back, or builds one from algebra. The
// pieces live in tessara_sim_lib; this file holds the table of verbs, dispatches and turns failures
// into exit codes.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "arguments.h"
#include "build_command.h"
#include "check_command.h"
#include "exit_codes.h"
#include "explain_command.h"
#include "expr_command.h"
#include "grade_command.h"
#include "help.h"
#include "io/circuit_file.h"
#include "picture_command.h"
#include "sequence_commands.h"
#include "sim/terminals.h"
#include "table_commands.h"
#include "trace.h"
#include "verilog_command.h"

namespace {

using namespace tessara;
using namespace tessara::tool;

// The document in path, or nothing after telling err why not.
std::optional<Document> Load(const std::string& path, std::ostream& err) {
  LoadResult loaded = LoadCircuitFile(path);
  if (!loaded.document) err << Describe(path, loaded.error) << '\n';
  return std::move(loaded.document);
}

int Trace(const Command& command, std::ostream& out, std::ostream& err) {
  if (command.Has("--sequence")) return TraceSequence(command, out, err);
  std::optional<Document> doc = Load(command.operands.front(), err);
  if (!doc) return kExitBadFile;
  const std::optional<std::vector<Action>> actions =
      ActionsFor(*doc, std::span(command.operands).subspan(1), err);
  if (!actions) return kExitUsage;
  if (command.Has("--wavedrom")) {
    WriteWaveDrom(*doc, *actions, out);
  } else {
    WriteTrace(*doc, *actions, out);
  }
  return kExitOk;
}

int Resave(const Command& command, std::ostream&, std::ostream& err) {
  const std::optional<Document> doc = Load(command.operands.front(), err);
  if (!doc) return kExitBadFile;
  const std::string& out = command.operands.back();
  if (std::optional<FileError> error = SaveCircuitFile(*doc, out)) {
    err << Describe(out, *error) << '\n';
    return kExitBadFile;
  }
  return kExitOk;
}

int Help(const Command&, std::ostream& out, std::ostream&) {
  out << HelpText();
  return kExitOk;
}

int Version(const Command&, std::ostream& out, std::ostream&) {
  out << VersionText();
  return kExitOk;
}

constexpr int kAny = Verb::kAnyNumber;

const Verb kVerbs[] = {
    {"--help", {}, 0, 0, "", Help},
    {"-h", {}, 0, 0, "", Help},
    {"help", {}, 0, 0, "", Help},
    {"--version", {}, 0, 0, "", Version},
    {"trace",
     {"--wavedrom", "--max-steps", "--sequence"},
     1,
     kAny,
     "a FILE",
     Trace,
     {"--wavedrom", "--sequence"},
     CheckActionsFrom<1>},
    {"table", {"--timing", "--json", "--max-steps", "--time-limit"}, 1, 1, "one FILE", Table},
    {"compare", {"--json", "--max-steps", "--time-limit"}, 2, 2, "FILE and EXPECTED", Compare},
    {"grade",
     {"--json", "--junit", "--jobs", "--max-steps", "--time-limit"},
     2,
     kAny,
     "EXPECTED and at least one PATH",
     GradeCommand,
     {"--json", "--junit"}},
    {"check", {"--strict", "--json"}, 1, kAny, "at least one FILE", Check},
    {"resave", {}, 2, 2, "IN and OUT", Resave},
    {"explain", {"--json"}, 2, kAny, "FILE and TARGET", ExplainCommand, {}, CheckActionsFrom<2>},
    {"expr", {}, 1, 1, "one FILE", ExprCommand},
    {"play", {"--max-steps"}, 2, 2, "FILE and SEQUENCE", Play},
    {"verilog", {"--testbench"}, 1, kAny, "a FILE", VerilogCommand, {}, CheckActionsFrom<1>},
    {"picture", {"--scale"}, 2, kAny, "FILE and OUT", PictureCommand, {}, CheckActionsFrom<2>},
    {"build",
     {"--gates", "--expr", "--table"},
     1,
     2,
     "--expr TEXT, --table FILE or FILE, and OUT",
     BuildCommand,
     {"--expr", "--table"}},
};

}  // namespace

int main(int argc, char** argv) {
  const ParsedArguments parsed =
      ParseArguments(kVerbs, std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.command) return UsageError(parsed.error, std::cerr);
  const int status = parsed.command->verb->run(*parsed.command, std::cout, std::cerr);
  if (!std::cout.flush()) {
    std::cerr << "tessara-sim: cannot write to standard output\n";
    return kExitBadFile;
  }
  return status;
}
