// Time limits on long work, as stop requests: each piece of work runs in a lane and
// holds a std::stop_token that is stopped once the piece's time has passed. One thread
// watches every lane, started with the first piece and ended with the object, so
// timing a piece costs a lock and a wake-up, never a thread of its own. The work sees
// its time run out only where it looks at its token (Settle does every few thousand
// steps).
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <stop_token>
#include <thread>
#include <vector>

#include "sim/annotated_mutex.h"

namespace tessara {

class Deadlines {
 public:
  using Clock = std::chrono::steady_clock;

  explicit Deadlines(std::size_t lanes);
  Deadlines(const Deadlines&) = delete;
  Deadlines& operator=(const Deadlines&) = delete;

  // Starts timing a piece of work in lane: the token returned is stopped once length
  // has passed, unless Finish(lane) comes first. Requires lane < the number of lanes
  // and no piece timed in it.
  std::stop_token Start(std::size_t lane, Clock::duration length);

  // Ends the piece timed in lane, if any; its token is never stopped after this
  // returns. Requires lane < the number of lanes.
  void Finish(std::size_t lane);

 private:
  struct Lane {
    std::stop_source source{std::nostopstate};
    Clock::time_point deadline;
    bool timing = false;
  };
  void Watch(std::stop_token quit);

  Mutex mutex_;
  std::condition_variable_any wake_;
  std::vector<Lane> lanes_ TESSARA_GUARDED_BY(mutex_);
  // A lane started since the watcher last looked.
  bool changed_ TESSARA_GUARDED_BY(mutex_) = false;
  // Last: stopped and joined before the rest goes.
  std::jthread watcher_ TESSARA_GUARDED_BY(mutex_);
};

}  // namespace tessara
