#include "sim/run_history.h"

#include <unordered_map>

namespace tessara {

void RunHistory::Start(const SimState& state) {
  Clear();
  steps_.push_back({state, StepCause::PowerUp, 0});
}

void RunHistory::Record(const SimState& state, StepCause cause, Integer slot) {
  if (steps_.empty()) return;
  if (!AtEnd()) {
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(current_) + 1, steps_.end());
  }
  steps_.push_back({state, cause, static_cast<std::uint8_t>(slot)});
  if (steps_.size() > cap_) {
    steps_.pop_front();
    ++dropped_;
  }
  current_ = steps_.size() - 1;
}

void RunHistory::Clear() {
  steps_.clear();
  current_ = 0;
  dropped_ = 0;
}

bool RunHistory::GoTo(std::size_t n) {
  if (steps_.empty() || n < First() || n > Last()) return false;
  current_ = n - dropped_;
  return true;
}

std::optional<Repeat> RunHistory::FindRepeat(std::size_t at) const {
  if (steps_.empty() || at < First() || at > Last()) return std::nullopt;
  std::size_t begin = at - dropped_;
  while (begin > 0 && steps_[begin].cause == StepCause::Prop) --begin;
  std::unordered_map<SimState, std::size_t, SimStateHash> seen;
  for (std::size_t i = begin; i < steps_.size(); ++i) {
    if (i > begin && steps_[i].cause != StepCause::Prop) break;
    const auto [earlier, fresh] = seen.try_emplace(steps_[i].state, i);
    if (!fresh) return Repeat{earlier->second + dropped_, i - earlier->second};
  }
  return std::nullopt;
}

}  // namespace tessara
