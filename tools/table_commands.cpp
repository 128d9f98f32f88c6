#include "table_commands.h"

#include <nlohmann/json.hpp>
#include <optional>

#include "exit_codes.h"
#include "io/circuit_file.h"
#include "io/table_text.h"
#include "sim/terminals.h"
#include "sim/truth_table.h"

namespace tessara::tool {

using Json = nlohmann::ordered_json;  // keys in the order written
namespace {

// doc's table, or nothing after telling err that it has too many inputs.
std::optional<TruthTable> TableOf(const std::string& path, const Document& doc, std::ostream& err) {
  const std::size_t inputs = FindTerminals(doc).inputs.size();
  if (inputs > kMaxTableInputs) {
    err << path << ": " << inputs << " inputs; a truth table takes at most " << kMaxTableInputs
        << '\n';
    return std::nullopt;
  }
  return MakeTruthTable(doc);
}

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
  return {
      {"file", path}, {"inputs", terminals.inputs}, {"outputs", terminals.outputs}, {"rows", rows}};
}

// The table of the circuit file at path, or nothing after telling err why not.
std::optional<TruthTable> CircuitTable(const std::string& path, std::ostream& err) {
  LoadResult loaded = LoadCircuitFile(path);
  if (!loaded.document) {
    err << Describe(path, loaded.error) << '\n';
    return std::nullopt;
  }
  return TableOf(path, *loaded.document, err);
}

// EXPECTED's table: a table text when it looks like one, else a circuit file's.
std::optional<TruthTable> ExpectedTable(const std::string& path, std::ostream& err) {
  const TextResult file = ReadFileText(path);
  if (!file.text) {
    err << Describe(path, file.error) << '\n';
    return std::nullopt;
  }
  if (!LooksLikeTableText(*file.text)) return CircuitTable(path, err);
  TableTextResult read = ReadTableText(*file.text);
  if (!read.table) err << Describe(path, read.error) << '\n';
  return std::move(read.table);
}

}  // namespace

int Table(const Command& command, const Document& doc, std::ostream& out, std::ostream& err) {
  const std::string& path = command.files.front();
  const std::optional<TruthTable> table = TableOf(path, doc, err);
  if (!table) return kExitBadFile;
  if (command.Has("--json")) {
    out << ToJson(path, doc, *table).dump() << '\n';
  } else {
    out << TableText(*table, command.Has("--timing"));
  }
  return kExitOk;
}

int Compare(const Command& command, std::ostream& out, std::ostream& err) {
  const std::optional<TruthTable> got = CircuitTable(command.files[0], err);
  if (!got) return kExitBadFile;
  const std::optional<TruthTable> expected = ExpectedTable(command.files[1], err);
  if (!expected) return kExitBadFile;
  if (got->inputs != expected->inputs || got->outputs != expected->outputs) {
    out << "expected " << expected->inputs << " inputs and " << expected->outputs
        << " outputs, found " << got->inputs << " inputs and " << got->outputs << " outputs\n";
    return kExitDiffers;
  }
  std::size_t differing = 0;
  for (std::size_t i = 0; i < got->rows.size(); ++i) {
    const TableRow &mine = got->rows[i], &theirs = expected->rows[i];
    if (mine.out == theirs.out) continue;
    ++differing;
    out << "row " << Spaced(mine.in) << ": expected " << Spaced(theirs.out) << ", got "
        << Spaced(mine.out) << '\n';
  }
  if (differing == 0) {
    out << "same\n";
    return kExitOk;
  }
  out << differing << " of " << got->rows.size() << " rows differ\n";
  return kExitDiffers;
}

}  // namespace tessara::tool
