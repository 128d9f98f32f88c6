// What `tessara-sim compare` and `grade` print about a grade (io/grading.h): the text
// lines, the JSON object of one file, and the three reports of a whole grade run
// (text, JSON, JUnit XML), each written as the grades come, in order.
#pragma once

#include <cstddef>
#include <memory>
#include <ostream>
#include <string>

#include "io/grading.h"
#include "json.h"

namespace tessara::tool {

// "row 0 1 0: expected 1 0, got 1 1"; a sequence's "row 3 (step 14): expected 1, got 0".
std::string DifferenceLine(const RowDifference& difference);

// What a grade comes to in one line: "same", "D of R rows differ", the counts line, or
// the reason it failed.
std::string Outcome(const Grade& grade);

// {"file", "result": "same" | "differ" | "failed", "rows", "differ", "diffs": [{"in",
// "expected", "got"}], "reason"}: rows and differ null unless rows were compared,
// reason null when there is none; a sequence's diff opens with "row" and "step".
Json GradeJson(const std::string& path, const Grade& grade);

// How many files came to each verdict.
struct Tally {
  std::size_t files = 0, same = 0, differ = 0, failed = 0;
  void Count(const Grade& grade);
};

// A report of a grade run: Add for each file in order, then Finish once.
class GradeReport {
 public:
  virtual ~GradeReport() = default;
  virtual void Add(const std::string& path, const Grade& grade) = 0;
  virtual void Finish(const Tally& tally) = 0;
};

enum class ReportFormat { Text, JsonObject, JUnit };

// The report of a run against expected (as the user named it) in format, written on
// out, which must outlive it.
std::unique_ptr<GradeReport> MakeReport(ReportFormat format, const std::string& expected,
                                        std::ostream& out);

}  // namespace tessara::tool
