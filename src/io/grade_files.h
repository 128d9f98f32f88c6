// Grading many circuit files at once, in parallel, with the results in order.
//
// Worker threads take the files in turn and grade each with GradeCircuitFile; the
// calling thread hands each grade to the caller in the order of the paths, as soon as
// it and every one before it are done. Workers stay at most a few files ahead of the
// oldest grade not yet handed over, so memory stays bounded however many files there
// are. With a time limit, each file is timed on its own (sim/deadlines.h).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "io/grading.h"

namespace tessara {

// Grades every path against expected on `jobs` threads within limits (per file) and
// calls report(path, grade) on the calling thread for each, in the order of paths; a
// path with a refusal is Failed with it, unread. Requires jobs >= 1 and
// limits.maxSteps >= 1.
void GradeFiles(const Expectation& expected, const std::vector<GradePath>& paths,
                const WorkLimits& limits, int jobs,
                const std::function<void(const std::string&, const Grade&)>& report);

}  // namespace tessara
