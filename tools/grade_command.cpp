#include "grade_command.h"

#include <algorithm>
#include <thread>

#include "exit_codes.h"
#include "grade_reports.h"
#include "io/grade_files.h"

namespace tessara::tool {

int GradeCommand(const Command& command, std::ostream& out, std::ostream& err) {
  const std::string& expectedPath = command.operands.front();
  const WorkLimits limits = command.Limits();
  ExpectedTable expected;
  {
    Deadlines deadlines(1);
    expected = LoadExpected(expectedPath, limits, limits.Start(deadlines, 0));
  }
  if (!expected.answer) {
    err << Describe(expectedPath, expected.error) << '\n';
    return kExitBadFile;
  }
  const ReportFormat format = command.Has("--json")    ? ReportFormat::JsonObject
                              : command.Has("--junit") ? ReportFormat::JUnit
                                                       : ReportFormat::Text;
  const std::unique_ptr<GradeReport> report = MakeReport(format, expectedPath, out);
  const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  Tally tally;
  GradeFiles(*expected.answer,
             CircuitFilesIn({command.operands.begin() + 1, command.operands.end()}), limits,
             command.Number("--jobs", std::min(cores, kMaxJobs)),
             [&](const std::string& path, const Grade& grade) {
               tally.Count(grade);
               report->Add(path, grade);
             });
  report->Finish(tally);
  if (tally.failed > 0) return kExitBadFile;
  return tally.differ > 0 ? kExitDiffers : kExitOk;
}

}  // namespace tessara::tool
