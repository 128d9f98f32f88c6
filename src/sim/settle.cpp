#include "sim/settle.h"

#include <array>
#include <cassert>
#include <optional>

#include "sim/propagation.h"

namespace tessara {
namespace {

// Runs that repeat this early are found by comparing each state with every one kept.
constexpr int kKeptSteps = 64;
// Steps between two looks at the stop request (a mask: a power of two, less one).
constexpr long kStopCheckMask = 4095;

// Prop steps on one document, counted so that a stop request is seen soon.
class Stepper {
 public:
  Stepper(Document& doc, std::stop_token stop) : doc_(doc), stop_(std::move(stop)) {}

  SimState Step() {
    PropStep(doc_);
    if ((++taken_ & kStopCheckMask) == 0 && stop_.stop_requested()) stopped_ = true;
    return CaptureState(doc_);
  }
  void Restore(const SimState& state) { RestoreState(doc_, state); }
  SimState StepFrom(const SimState& state) {
    Restore(state);
    return Step();
  }
  bool Stopped() const { return stopped_; }

 private:
  Document& doc_;
  std::stop_token stop_;
  long taken_ = 0;
  bool stopped_ = false;
};

// Adds to `changed` every signal bit in which a and b differ.
void AddDifference(SimState& changed, const SimState& a, const SimState& b) {
  for (std::size_t i = 0; i < changed.bits.size(); ++i) {
    changed.bits[i] = static_cast<std::uint8_t>(changed.bits[i] | (a.bits[i] ^ b.bits[i]));
  }
}

std::bitset<kSlotCount> ChangedOutputs(const SimState& changed) {
  std::bitset<kSlotCount> outputs;
  for (std::int16_t i = 0; i < kSlotCount; ++i)
    outputs[static_cast<std::size_t>(i)] = changed.Output(i);
  return outputs;
}

Settling Repeating(int steps, int period, const SimState& state, const SimState& changed) {
  return {true, false, steps, period, state, ChangedOutputs(changed)};
}

Settling Stopped(const SimState& start) { return {false, true, 0, 0, start, {}}; }

// The run followed while it is short: every state kept, each new one compared with all
// of them. Nothing when it does not repeat within kKeptSteps steps (or the bound).
std::optional<Settling> SettleEarly(Stepper& run, const SimState& start, int bound) {
  std::array<SimState, kKeptSteps + 1> seen;
  seen[0] = start;
  for (int k = 1; k <= kKeptSteps && k <= bound; ++k) {
    const SimState now = run.Step();
    for (int j = k - 1; j >= 0; --j) {
      if (seen[static_cast<std::size_t>(j)] != now) continue;
      SimState changed;
      for (int c = j + 1; c < k; ++c) {
        AddDifference(changed, seen[static_cast<std::size_t>(j)],
                      seen[static_cast<std::size_t>(c)]);
      }
      return Repeating(j, k - j, seen[static_cast<std::size_t>(j)], changed);
    }
    seen[static_cast<std::size_t>(k)] = now;
  }
  return std::nullopt;
}

// Brent's cycle finding. The tortoise waits at s(2^i - 1) while the hare runs up to
// 2^i steps ahead; they meet first in the round where 2^i - 1 >= K and 2^i >= P, the
// hare then at step 2^i - 1 + P. When K + P <= bound that round has 2^i <= the first
// power of two >= bound, so a hare that gets further proves there is no repeat.
Settling SettleLate(Stepper& run, const SimState& start, int bound) {
  long cap = 1;
  while (cap < bound) cap *= 2;
  cap += bound - 1;

  run.Restore(start);
  SimState changed;  // over the first `bound` steps, for a run that does not repeat
  SimState tortoise = start, hare = run.Step();
  AddDifference(changed, start, hare);
  const auto noRepeat = [&] {
    return Settling{false, false, 0, 0, start, ChangedOutputs(changed)};
  };
  long power = 1, period = 1, at = 1;
  while (tortoise != hare) {
    if (at >= cap) return noRepeat();
    if (run.Stopped()) return Stopped(start);
    if (power == period) {
      tortoise = hare;
      power *= 2;
      period = 0;
    }
    hare = run.Step();
    ++at;
    ++period;
    if (at <= bound) AddDifference(changed, start, hare);
  }

  // K: the first step where the run and the run `period` steps ahead agree.
  SimState behind = start, ahead = start;
  for (long k = 0; k < period && !run.Stopped(); ++k) ahead = run.StepFrom(ahead);
  long steps = 0;
  while (behind != ahead && !run.Stopped()) {
    if (steps + period >= bound) return noRepeat();
    behind = run.StepFrom(behind);
    ahead = run.StepFrom(ahead);
    ++steps;
  }
  if (run.Stopped()) return Stopped(start);
  if (steps + period > bound) return noRepeat();
  SimState cycle;
  run.Restore(behind);
  for (long k = 1; k < period && !run.Stopped(); ++k) AddDifference(cycle, behind, run.Step());
  if (run.Stopped()) return Stopped(start);
  return Repeating(static_cast<int>(steps), static_cast<int>(period), behind, cycle);
}

}  // namespace

char Settling::Cell(std::int16_t slot) const {
  if (unsteady[static_cast<std::size_t>(slot)]) return '~';
  return state.Output(slot) ? '1' : '0';
}

Settling Settle(Document& doc, int bound, std::stop_token stop) {
  assert(bound >= 0);
  const SimState start = CaptureState(doc);
  Stepper run(doc, std::move(stop));
  std::optional<Settling> early = SettleEarly(run, start, bound);
  Settling settling = early ? *early : SettleLate(run, start, bound);
  RestoreState(doc, start);
  return settling;
}

}  // namespace tessara
