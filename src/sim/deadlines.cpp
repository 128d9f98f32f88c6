#include "sim/deadlines.h"

#include <algorithm>
#include <cassert>

namespace tessara {

Deadlines::Deadlines(std::size_t lanes) : lanes_(lanes) {}

std::stop_token Deadlines::Start(std::size_t lane, Clock::duration length) {
  const MutexLock lock(mutex_);
  assert(lane < lanes_.size() && !lanes_[lane].timing);
  if (!watcher_.joinable()) watcher_ = std::jthread([this](std::stop_token quit) { Watch(quit); });
  lanes_[lane] = {std::stop_source(), Clock::now() + length, true};
  changed_ = true;
  wake_.notify_one();
  return lanes_[lane].source.get_token();
}

void Deadlines::Finish(std::size_t lane) {
  const MutexLock lock(mutex_);
  assert(lane < lanes_.size());
  lanes_[lane].timing = false;
}

void Deadlines::Watch(std::stop_token quit) {
  MutexLock lock(mutex_);
  while (!quit.stop_requested()) {
    const Clock::time_point now = Clock::now();
    Clock::time_point next = Clock::time_point::max();
    for (Lane& lane : lanes_) {
      if (!lane.timing || lane.source.stop_requested()) continue;
      if (lane.deadline <= now) {
        lane.source.request_stop();
      } else {
        next = std::min(next, lane.deadline);
      }
    }
    changed_ = false;
    const auto started = [this]() TESSARA_REQUIRES(mutex_) { return changed_; };
    if (next == Clock::time_point::max()) {
      wake_.wait(lock, quit, started);
    } else {
      wake_.wait_until(lock, quit, next, started);
    }
  }
}

}  // namespace tessara
