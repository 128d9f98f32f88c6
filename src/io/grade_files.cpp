#include "io/grade_files.h"

#include <algorithm>
#include <cassert>
#include <condition_variable>
#include <optional>
#include <thread>

#include "sim/annotated_mutex.h"
#include "sim/deadlines.h"

namespace tessara {
namespace {

// How many files each worker may be ahead of the oldest grade not yet reported.
constexpr std::size_t kAheadPerJob = 8;

// The grades between workers and the reporting thread: a window of slots over the
// paths, handed out to workers in order and reported in the same order.
class Queue {
 public:
  Queue(std::size_t files, std::size_t window) : files_(files), slots_(window) {}

  // The next file for a worker, waiting while the window is full; nothing when all are
  // handed out.
  std::optional<std::size_t> Take() {
    MutexLock lock(mutex_);
    changed_.wait(lock, [&]() TESSARA_REQUIRES(mutex_) {
      return next_ == files_ || next_ < reported_ + slots_.size();
    });
    if (next_ == files_) return std::nullopt;
    return next_++;
  }

  void Put(std::size_t file, Grade grade) {
    {
      const MutexLock lock(mutex_);
      slots_[file % slots_.size()] = std::move(grade);
    }
    changed_.notify_all();
  }

  // The grade of the oldest file not yet reported, waiting until it is done.
  Grade Oldest() {
    MutexLock lock(mutex_);
    std::optional<Grade>& slot = slots_[reported_ % slots_.size()];
    changed_.wait(lock, [&]() TESSARA_REQUIRES(mutex_) { return slot.has_value(); });
    Grade grade = std::move(*slot);
    slot.reset();
    ++reported_;
    lock.unlock();
    changed_.notify_all();
    return grade;
  }

 private:
  const std::size_t files_;
  Mutex mutex_;
  std::condition_variable_any changed_;
  // File i in slot i % window; the next file to hand out; the files reported so far.
  std::vector<std::optional<Grade>> slots_ TESSARA_GUARDED_BY(mutex_);
  std::size_t next_ TESSARA_GUARDED_BY(mutex_) = 0;
  std::size_t reported_ TESSARA_GUARDED_BY(mutex_) = 0;
};

}  // namespace

void GradeFiles(const Expectation& expected, const std::vector<GradePath>& paths,
                const WorkLimits& limits, int jobs,
                const std::function<void(const std::string&, const Grade&)>& report) {
  assert(jobs >= 1 && limits.maxSteps >= 1);
  const std::size_t workers =
      std::min(static_cast<std::size_t>(jobs), std::max<std::size_t>(1, paths.size()));
  Queue queue(paths.size(), workers * kAheadPerJob);
  Deadlines deadlines(workers);
  std::vector<std::jthread> threads;
  for (std::size_t lane = 0; lane < workers; ++lane) {
    threads.emplace_back([&, lane] {
      while (std::optional<std::size_t> file = queue.Take()) {
        const GradePath& path = paths[*file];
        Grade grade = path.refusal.empty() ? GradeCircuitFile(expected, path.path, limits,
                                                              limits.Start(deadlines, lane))
                                           : Grade{Verdict::Failed, 0, {}, path.refusal};
        deadlines.Finish(lane);
        queue.Put(*file, std::move(grade));
      }
    });
  }
  for (const GradePath& path : paths) report(path.path, queue.Oldest());
}

}  // namespace tessara
