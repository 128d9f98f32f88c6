#include "io/grading.h"

#include <algorithm>
#include <cassert>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "io/table_text.h"
#include "sim/terminals.h"

namespace tessara {
namespace {

bool Matches(char expected, char got) { return expected == 'X' || expected == got; }

bool RowMatches(const std::string& expected, const std::string& got) {
  return std::equal(expected.begin(), expected.end(), got.begin(), got.end(), Matches);
}

// True when text's first line is the one every circuit file starts with, "Tessara".
bool StartsLikeACircuit(std::string_view text) {
  const std::size_t start = text.find("Tessara");
  return start != std::string_view::npos && text.find_first_of("\r\n") > start;
}

Grade Failed(std::string reason) { return {Verdict::Failed, 0, {}, std::move(reason)}; }

bool EndsWithCir(std::string_view name) {
  if (name.size() < 4) return false;
  std::string suffix(name.substr(name.size() - 4));
  for (char& c : suffix) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return suffix == ".cir";
}

// The "*.cir" entries of folder in byte order of their names, or nothing when it
// cannot be listed.
std::optional<std::vector<std::string>> CircuitFilesOfFolder(const std::string& folder) {
  namespace fs = std::filesystem;
  std::error_code error;
  std::vector<std::string> names;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (EndsWithCir(name) && !name.starts_with('.')) names.push_back(name);
  }
  if (error) return std::nullopt;
  std::sort(names.begin(), names.end());
  for (std::string& name : names) name = (fs::path(folder) / name).string();
  return names;
}

}  // namespace

std::stop_token WorkLimits::Start(Deadlines& deadlines, std::size_t lane) const {
  return timeLimit ? deadlines.Start(lane, timeLimit->length) : std::stop_token();
}

std::string WorkLimits::StopReason() const {
  if (!timeLimit) return "stopped";
  return "time limit of " + timeLimit->written + " s reached";
}

std::size_t InputCount(const Expectation& answer) {
  return std::visit([](const auto& a) { return a.inputs; }, answer);
}

std::size_t OutputCount(const Expectation& answer) {
  return std::visit([](const auto& a) { return a.outputs; }, answer);
}

std::optional<Phrase> CountsDiffer(std::size_t expectedInputs, std::size_t expectedOutputs,
                                   std::size_t inputs, std::size_t outputs) {
  if (expectedInputs == inputs && expectedOutputs == outputs) return std::nullopt;
  return Words("Grading",
               TESSARA_PHRASE("Grading",
                              "expected %1 inputs and %2 outputs, found %3 inputs and %4 outputs"),
               std::to_string(expectedInputs), std::to_string(expectedOutputs),
               std::to_string(inputs), std::to_string(outputs));
}

Grade GradeTable(const TruthTable& expected, const TruthTable& got) {
  if (auto counts = CountsDiffer(expected.inputs, expected.outputs, got.inputs, got.outputs)) {
    return {Verdict::Differ, 0, {}, counts->English()};
  }
  assert(!got.stopped && got.rows.size() == expected.rows.size());
  Grade grade{Verdict::Same, got.rows.size(), {}, {}};
  for (std::size_t i = 0; i < got.rows.size(); ++i) {
    const TableRow &mine = got.rows[i], &theirs = expected.rows[i];
    if (!RowMatches(theirs.out, mine.out))
      grade.differences.push_back({mine.in, theirs.out, mine.out});
  }
  if (!grade.differences.empty()) grade.verdict = Verdict::Differ;
  return grade;
}

Grade GradeSequence(const Sequence& expected, const Terminals& terminals, const SequenceRun& run) {
  if (auto counts = CountsDiffer(expected.inputs, expected.outputs, terminals.inputs.size(),
                                 terminals.outputs.size())) {
    return {Verdict::Differ, 0, {}, counts->English()};
  }
  assert(!run.stopped && run.rows.size() == expected.rows.size());
  Grade grade{Verdict::Same, run.rows.size(), {}, {}};
  for (std::size_t i = 0; i < run.rows.size(); ++i) {
    const SequenceReading& mine = run.rows[i];
    const SequenceRow& theirs = expected.rows[i];
    if (!RowMatches(theirs.out, mine.row.out)) {
      grade.differences.push_back({theirs.in, theirs.out, mine.row.out, i + 1, mine.step});
    }
  }
  if (!grade.differences.empty()) grade.verdict = Verdict::Differ;
  return grade;
}

Grade GradeCircuit(const Expectation& expected, const Document& circuit, const WorkLimits& limits,
                   std::stop_token stop) {
  assert(limits.maxSteps >= 1);
  const Terminals terminals = FindTerminals(circuit);
  if (auto counts = CountsDiffer(InputCount(expected), OutputCount(expected),
                                 terminals.inputs.size(), terminals.outputs.size())) {
    return {Verdict::Differ, 0, {}, counts->English()};
  }
  if (const auto* sequence = std::get_if<Sequence>(&expected)) {
    const SequenceRun run =
        RunSequence(circuit, sequence->Inputs(), {limits.maxSteps, std::move(stop)});
    if (run.stopped) return Failed(limits.StopReason());
    return GradeSequence(*sequence, terminals, run);
  }
  if (auto refusal = NoTableReason(circuit)) return Failed(refusal->English());
  const TruthTable got = MakeTruthTable(circuit, {limits.maxSteps, std::move(stop)});
  if (got.stopped) return Failed(limits.StopReason());
  return GradeTable(std::get<TruthTable>(expected), got);
}

Grade GradeCircuitFile(const Expectation& expected, const std::string& path,
                       const WorkLimits& limits, std::stop_token stop) {
  const LoadResult loaded = LoadCircuitFile(path);
  if (!loaded.document) return Failed(Describe(loaded.error));
  return GradeCircuit(expected, *loaded.document, limits, std::move(stop));
}

ExpectedTable ReadExpected(std::string_view text, const WorkLimits& limits, std::stop_token stop) {
  if (LooksLikeSequenceText(text)) {
    SequenceTextResult read = ReadSequenceText(text);
    if (!read.sequence) return {std::nullopt, std::move(read.error)};
    return {Expectation(std::move(*read.sequence)), {}};
  }
  if (LooksLikeTableText(text)) {
    TableTextResult read = ReadTableText(text);
    if (!read.table) return {std::nullopt, std::move(read.error)};
    return {Expectation(std::move(*read.table)), {}};
  }
  if (text.size() > kMaxCircuitFileBytes) {
    return {std::nullopt,
            {Words("Files", TESSARA_PHRASE("Files", "cannot read: %1"), std::strerror(EFBIG))}};
  }
  LoadResult loaded = ReadCircuit(text);
  if (!loaded.document) {
    FileError error = std::move(loaded.error);
    if (!StartsLikeACircuit(text)) {
      error.reason = Words("Files",
                           TESSARA_PHRASE("Files",
                                          "%1 (nor a table: a table starts with a header like "
                                          "'I1 I2 | O1')"),
                           std::move(error.reason));
    }
    return {std::nullopt, std::move(error)};
  }
  if (auto refusal = NoTableReason(*loaded.document)) return {std::nullopt, {std::move(*refusal)}};
  TruthTable table = MakeTruthTable(*loaded.document, {limits.maxSteps, std::move(stop)});
  if (table.stopped) return {std::nullopt, {Name(limits.StopReason())}};
  return {Expectation(std::move(table)), {}};
}

ExpectedTable LoadExpected(const std::string& path, const WorkLimits& limits,
                           std::stop_token stop) {
  const TextResult read =
      path == "-" ? ReadStandardInput(kMaxTableTextBytes) : ReadFileText(path, kMaxTableTextBytes);
  if (!read.text) return {std::nullopt, read.error};
  return ReadExpected(*read.text, limits, std::move(stop));
}

std::vector<GradePath> CircuitFilesIn(const std::vector<std::string>& paths) {
  std::vector<GradePath> files;
  for (const std::string& path : paths) {
    std::error_code error;
    std::optional<std::vector<std::string>> inside;
    if (std::filesystem::is_directory(path, error)) inside = CircuitFilesOfFolder(path);
    if (!inside) {
      files.push_back({path, {}});
    } else if (inside->empty()) {
      files.push_back({path, "no circuit files"});
    } else {
      for (std::string& file : *inside) files.push_back({std::move(file), {}});
    }
  }
  return files;
}

}  // namespace tessara
