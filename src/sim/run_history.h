// The history of one powered run: the state after power-up (step 0) and after every
// input toggle and prop step since, each with its cause, and a current step that Step
// Back and Step Forward move along it.
//
// Guarantees: a step restored from here is bit for bit the state recorded for it (the
// links, kinds and positions are the document's own and are not kept). Recording
// after stepping back drops the steps ahead, like an edit after undo. Beyond the cap
// the oldest steps are dropped and counted, so step numbers stay those of the run.
// Costs: 28 bytes a step (1,000,000 steps in 28 MB); recording is an append. Looking
// for a repeat keeps a hash of each state of the latest stretch once looked at, so a
// growing run is searched one new step at a time.
// Never: touches a document by itself, or knows of any window.
#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <unordered_map>

#include "sim/sim_state.h"

namespace tessara {

enum class StepCause : std::uint8_t { PowerUp, Toggle, Prop };

struct RecordedStep {
  SimState state;
  StepCause cause = StepCause::PowerUp;
  std::uint8_t slot = 0;  // the toggled input's slot, for a toggle
};
static_assert(sizeof(RecordedStep) <= 32, "a recorded step fits in 32 bytes");

// A stretch where the run repeats itself: the state after step from + period equals
// the state after step from, with no toggle between them.
struct Repeat {
  std::size_t from = 0;    // step number K
  std::size_t period = 0;  // P
};

class RunHistory {
 public:
  static constexpr std::size_t kDefaultCap = 1'000'000;

  // cap: the most steps kept (at least 1).
  explicit RunHistory(std::size_t cap = kDefaultCap) : cap_(cap < 1 ? 1 : cap) {}

  // Forgets everything and records state as step 0 of a new run.
  void Start(const SimState& state);
  // Drops the steps after the current one, appends state as the new current step and,
  // beyond the cap, drops the oldest. Does nothing while no run was started.
  void Record(const SimState& state, StepCause cause, std::int16_t slot = 0);
  // Forgets the run: empty, no current step.
  void Clear();

  // Moves the current step to step number n (a recorded one); false and no move when n
  // is not kept.
  bool GoTo(std::size_t n);
  bool Back() { return Current() > First() && GoTo(Current() - 1); }
  bool Forward() { return GoTo(Current() + 1); }

  bool Empty() const { return steps_.empty(); }
  // Step numbers kept run from First() to Last(); First() is the count of dropped steps.
  std::size_t First() const { return dropped_; }
  std::size_t Last() const { return dropped_ + steps_.size() - 1; }
  std::size_t Current() const { return dropped_ + current_; }
  bool AtEnd() const { return current_ + 1 == steps_.size(); }
  // Step number n. Requires n kept: First() <= n <= Last().
  const RecordedStep& Step(std::size_t n) const {
    assert(!Empty() && n >= First() && n <= Last());
    return steps_[n - dropped_];
  }
  std::size_t Cap() const { return cap_; }

  // The kept steps of the toggle-free stretch that holds kept step `at`: from the
  // power-up or toggle that began it to the last prop before the next toggle. Both
  // cost nothing for the latest stretch.
  std::size_t StretchBegin(std::size_t at) const;
  std::size_t StretchEnd(std::size_t at) const;
  // The first repeat found in the toggle-free stretch that holds step `at` (or none):
  // the earliest step from which the run's states come back, and after how many steps.
  std::optional<Repeat> FindRepeat(std::size_t at) const;

 private:
  // What FindRepeat has looked at of one stretch: valid while the kept steps only grow.
  struct RepeatSearch {
    std::size_t generation = 0, begin = 0, next = 0;
    std::unordered_map<SimState, std::size_t, SimStateHash> seen;  // state -> step number
    std::optional<Repeat> found;
  };

  std::deque<RecordedStep> steps_;
  std::size_t current_ = 0;  // index into steps_
  std::size_t dropped_ = 0;
  std::size_t cap_;
  std::size_t latestBegin_ = 0;  // step number of the latest power-up or toggle
  std::size_t generation_ = 1;   // changes whenever kept steps change other than by growing
  mutable RepeatSearch search_;
};

}  // namespace tessara
