#include "table_commands.h"

#include <chrono>
#include <optional>

#include "exit_codes.h"
#include "grade_reports.h"
#include "io/table_text.h"
#include "json.h"
#include "sim/terminals.h"

namespace tessara::tool {
namespace {

// Rows printed as they come are flushed at least this often, so that a slow table
// shows its progress and a killed run keeps what it printed.
constexpr std::chrono::milliseconds kFlushEvery{100};

Json ToJson(const std::string& path, const Document& doc, const TruthTable& table) {
  const Terminals terminals = FindTerminals(doc);
  Json rows = Json::array();
  for (const TableRow& row : table.rows) {
    Json steps, period;  // null for a run that did not repeat
    if (row.repeats) {
      steps = row.steps;
      period = row.period;
    }
    rows.push_back({{"in", row.in}, {"out", row.out}, {"steps", steps}, {"period", period}});
  }
  return {{"tessara", kJsonFormat},
          {"file", path},
          {"inputs", terminals.inputs},
          {"outputs", terminals.outputs},
          {"rows", rows}};
}

// The table of doc, each row written on out as it comes unless json.
TruthTable PrintRows(const Document& doc, const TableLimits& limits, bool json, bool timing,
                     std::ostream& out) {
  if (json) return MakeTruthTable(doc, limits);
  const Terminals terminals = FindTerminals(doc);
  out << HeaderLine(terminals.inputs.size(), terminals.outputs.size());
  auto flushed = std::chrono::steady_clock::now();
  return MakeTruthTable(doc, limits, [&](const TableRow& row) {
    out << RowLine(row, timing, limits.maxSteps);
    if (std::chrono::steady_clock::now() - flushed >= kFlushEvery) {
      out.flush();
      flushed = std::chrono::steady_clock::now();
    }
  });
}

}  // namespace

int Table(const Command& command, std::ostream& out, std::ostream& err) {
  const std::string& path = command.operands.front();
  const LoadResult loaded = LoadCircuitFile(path);
  if (!loaded.document) {
    err << Describe(path, loaded.error) << '\n';
    return kExitBadFile;
  }
  if (std::optional<Phrase> refusal = NoTableReason(*loaded.document)) {
    err << path << ": " << refusal->English() << '\n';
    return kExitBadFile;
  }
  const WorkLimits limits = command.Limits();
  Deadlines deadlines(1);
  const bool json = command.Has("--json");
  const TruthTable table =
      PrintRows(*loaded.document, {limits.maxSteps, limits.Start(deadlines, 0)}, json,
                command.Has("--timing"), out);
  if (table.stopped) {
    err << path << ": " << limits.StopReason() << '\n';
    return kExitBadFile;
  }
  if (json) out << Dump(ToJson(path, *loaded.document, table)) << '\n';
  return kExitOk;
}

int Compare(const Command& command, std::ostream& out, std::ostream& err) {
  const std::string &path = command.operands[0], &expectedPath = command.operands[1];
  const WorkLimits limits = command.Limits();
  Deadlines deadlines(1);
  const std::stop_token stop = limits.Start(deadlines, 0);
  const ExpectedTable expected = LoadExpected(expectedPath, limits, stop);
  if (!expected.answer) {
    err << Describe(expectedPath, expected.error) << '\n';
    return kExitBadFile;
  }
  const Grade grade = GradeCircuitFile(*expected.answer, path, limits, stop);
  if (grade.verdict == Verdict::Failed) err << path << ": " << grade.reason << '\n';
  if (command.Has("--json")) {
    Json object{{"tessara", kJsonFormat}};
    object.update(GradeJson(path, grade));
    out << Dump(object) << '\n';
  } else if (grade.verdict != Verdict::Failed) {
    for (const RowDifference& difference : grade.differences) {
      out << DifferenceLine(difference) << '\n';
    }
    out << Outcome(grade) << '\n';
  }
  if (grade.verdict == Verdict::Failed) return kExitBadFile;
  return grade.verdict == Verdict::Same ? kExitOk : kExitDiffers;
}

}  // namespace tessara::tool
