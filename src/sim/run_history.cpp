#include "sim/run_history.h"

namespace tessara {

void RunHistory::Start(const SimState& state) {
  Clear();
  steps_.push_back({state, StepCause::PowerUp, 0});
}

void RunHistory::Record(const SimState& state, StepCause cause, std::int16_t slot) {
  if (steps_.empty()) return;
  if (!AtEnd()) {
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(current_) + 1, steps_.end());
    ++generation_;
    latestBegin_ = StretchBegin(Current());
  }
  steps_.push_back({state, cause, static_cast<std::uint8_t>(slot)});
  if (cause != StepCause::Prop) latestBegin_ = Last();
  if (steps_.size() > cap_) {
    steps_.pop_front();
    ++dropped_;
    ++generation_;
  }
  current_ = steps_.size() - 1;
}

void RunHistory::Clear() {
  steps_.clear();
  current_ = 0;
  dropped_ = 0;
  latestBegin_ = 0;
  ++generation_;
}

bool RunHistory::GoTo(std::size_t n) {
  if (steps_.empty() || n < First() || n > Last()) return false;
  current_ = n - dropped_;
  return true;
}

std::size_t RunHistory::StretchBegin(std::size_t at) const {
  if (at >= latestBegin_) return latestBegin_ < First() ? First() : latestBegin_;
  while (at > First() && Step(at).cause == StepCause::Prop) --at;
  return at;
}

std::size_t RunHistory::StretchEnd(std::size_t at) const {
  if (at >= latestBegin_) return Last();
  while (at < Last() && Step(at + 1).cause == StepCause::Prop) ++at;
  return at;
}

std::optional<Repeat> RunHistory::FindRepeat(std::size_t at) const {
  if (steps_.empty() || at < First() || at > Last()) return std::nullopt;
  const std::size_t begin = StretchBegin(at);
  if (search_.generation != generation_ || search_.begin != begin) {
    search_.seen.clear();
    search_.found.reset();
    search_.generation = generation_;
    search_.begin = search_.next = begin;
  }
  const std::size_t end = StretchEnd(at);
  for (; !search_.found && search_.next <= end; ++search_.next) {
    const auto [earlier, fresh] = search_.seen.try_emplace(Step(search_.next).state, search_.next);
    if (!fresh) search_.found = Repeat{earlier->second, search_.next - earlier->second};
  }
  return search_.found;
}

}  // namespace tessara
