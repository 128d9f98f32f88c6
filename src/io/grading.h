// Grading: the truth table of a learner's circuit against an expected one, or the run of
// an expected sequence (io/sequence_text.h) on it, inputs and outputs matched by
// position. An expected cell 'X' matches any cell; every other cell matches itself
// only. `tessara-sim compare` and `grade` print what this finds.
//
// A grade is "same" when the input and output counts agree and every row matches,
// "differ" when the counts disagree or some row does not match, and "failed" when the
// circuit has no table: its file cannot be read or is damaged, it has too many inputs,
// or its time ran out. The work on one circuit is bounded by WorkLimits: the settling
// bound of each row, and a stop request (a time limit, see sim/deadlines.h).
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "io/circuit_file.h"
#include "io/sequence_text.h"
#include "model/phrase.h"
#include "sim/deadlines.h"
#include "sim/sequence_run.h"
#include "sim/terminals.h"
#include "sim/truth_table.h"

namespace tessara {

struct TimeLimit {
  std::chrono::nanoseconds length{};
  std::string written;  // the seconds as the user wrote them, e.g. "10" or "0.5"
};

struct WorkLimits {
  int maxSteps = kSettleBound;  // each row followed for at most this many steps
  std::optional<TimeLimit> timeLimit;

  // Starts timing a piece of work in lane of deadlines under the time limit: the
  // token to give the work, never stopped when there is no time limit.
  std::stop_token Start(Deadlines& deadlines, std::size_t lane) const;

  // Why stopped work gave up: "time limit of <written> s reached", or "stopped" when
  // no time limit was set.
  std::string StopReason() const;
};

struct RowDifference {
  std::string in, expected, got;  // cells as in a table row: "010", "1X", "11"; a
                                  // sequence's inputs as written: "C0"
  std::size_t row = 0;            // a sequence's row, from 1; 0 for a table's
  std::size_t step = 0;           // a sequence's: the run's step at which it was read
  bool operator==(const RowDifference&) const = default;
};

// What a circuit is graded against: a truth table or a sequence.
using Expectation = std::variant<TruthTable, Sequence>;

// The inputs and outputs an answer counts.
std::size_t InputCount(const Expectation& answer);
std::size_t OutputCount(const Expectation& answer);

enum class Verdict { Same, Differ, Failed };

struct Grade {
  Verdict verdict = Verdict::Failed;
  std::size_t rows = 0;                    // rows compared; 0 unless the counts agree
  std::vector<RowDifference> differences;  // the rows that do not match, in table order
  std::string reason;  // Differ on counts: the counts line; Failed: why ("line 7: ...",
                       // no path); else empty
};

// "expected N inputs and M outputs, found n inputs and m outputs" (a phrase in context
// "Grading"), or nothing when the counts agree.
std::optional<Phrase> CountsDiffer(std::size_t expectedInputs, std::size_t expectedOutputs,
                                   std::size_t inputs, std::size_t outputs);

// Grades got against expected: Differ on the counts (CountsDiffer's English as the
// reason), else row by row. Requires got whole, not stopped.
Grade GradeTable(const TruthTable& expected, const TruthTable& got);

// Grades the run of expected's rows on circuit (sim/sequence_run.h): Differ on the
// counts, else row by row, each difference with its row and step. Requires run whole.
Grade GradeSequence(const Sequence& expected, const Terminals& terminals, const SequenceRun& run);

// Grades circuit against expected: its table, or the run of the sequence. Looks at the
// counts first, so a circuit whose counts disagree is not run. A stop request gives
// Failed with limits.StopReason(). Requires limits.maxSteps >= 1.
Grade GradeCircuit(const Expectation& expected, const Document& circuit, const WorkLimits& limits,
                   std::stop_token stop);

// Loads the circuit file at path (as LoadCircuitFile) and grades it; a file that
// cannot be read or is damaged gives Failed with its reason.
Grade GradeCircuitFile(const Expectation& expected, const std::string& path,
                       const WorkLimits& limits, std::stop_token stop);

struct ExpectedTable {
  std::optional<Expectation> answer;
  FileError error;  // meaningful only without an answer
};

// An expected answer from its text (read with up to kMaxTableTextBytes): a sequence
// when LooksLikeSequenceText says so, a table text when LooksLikeTableText does, else a
// circuit file whose table is made within limits. A circuit text keeps the circuit files' size
// limit; one that is no circuit at all is refused with the circuit reader's reason and a word on
// the header a table needs. A stop request gives the error limits.StopReason().
ExpectedTable ReadExpected(std::string_view text, const WorkLimits& limits, std::stop_token stop);

// ReadExpected of the text of the file at path, or of standard input when path is "-".
ExpectedTable LoadExpected(const std::string& path, const WorkLimits& limits, std::stop_token stop);

// A path to grade: a circuit file, or a path that fails unread with its refusal.
struct GradePath {
  std::string path;
  std::string refusal;  // not empty: the grade is Failed with this reason
};

// The circuit files paths name, in their order: a folder stands for every entry directly
// inside it whose name ends in ".cir" in any letter case and does not start with '.', in
// byte order of the names ("<folder>/<name>"), a folder or other entry that is no
// regular file included (its grade says why it cannot be read); a folder with no such
// entry stands for itself with the refusal "no circuit files". Any other path stands
// for itself.
std::vector<GradePath> CircuitFilesIn(const std::vector<std::string>& paths);

}  // namespace tessara
