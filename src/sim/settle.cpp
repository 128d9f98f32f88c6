#include "sim/settle.h"

#include <array>
#include <cassert>
#include <optional>

#include "sim/propagation.h"

namespace tessara {
namespace {

// Runs that repeat this early are found by comparing each state with every one kept.
constexpr int kKeptSteps = 64;

SimState Step(Document& doc) {
  PropStep(doc);
  return CaptureState(doc);
}

SimState StepFrom(Document& doc, const SimState& state) {
  RestoreState(doc, state);
  return Step(doc);
}

// Adds to `changed` every signal bit in which a and b differ.
void AddDifference(SimState& changed, const SimState& a, const SimState& b) {
  for (std::size_t i = 0; i < changed.bits.size(); ++i) {
    changed.bits[i] = static_cast<std::uint8_t>(changed.bits[i] | (a.bits[i] ^ b.bits[i]));
  }
}

std::bitset<kSlotCount> ChangedOutputs(const SimState& changed) {
  std::bitset<kSlotCount> outputs;
  for (Integer i = 0; i < kSlotCount; ++i) outputs[static_cast<std::size_t>(i)] = changed.Output(i);
  return outputs;
}

Settling Repeating(int steps, int period, const SimState& state, const SimState& changed) {
  return {true, steps, period, state, ChangedOutputs(changed)};
}

// The run followed while it is short: every state kept, each new one compared with all
// of them. Nothing when it does not repeat within kKeptSteps steps (or the bound).
std::optional<Settling> SettleEarly(Document& doc, const SimState& start, int bound) {
  std::array<SimState, kKeptSteps + 1> seen;
  seen[0] = start;
  for (int k = 1; k <= kKeptSteps && k <= bound; ++k) {
    const SimState now = Step(doc);
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
Settling SettleLate(Document& doc, const SimState& start, int bound) {
  long cap = 1;
  while (cap < bound) cap *= 2;
  cap += bound - 1;

  RestoreState(doc, start);
  SimState changed;  // over the first `bound` steps, for a run that does not repeat
  SimState tortoise = start, hare = Step(doc);
  AddDifference(changed, start, hare);
  const auto noRepeat = [&] { return Settling{false, 0, 0, start, ChangedOutputs(changed)}; };
  long power = 1, period = 1, at = 1;
  while (tortoise != hare) {
    if (at >= cap) return noRepeat();
    if (power == period) {
      tortoise = hare;
      power *= 2;
      period = 0;
    }
    hare = Step(doc);
    ++at;
    ++period;
    if (at <= bound) AddDifference(changed, start, hare);
  }

  // K: the first step where the run and the run `period` steps ahead agree.
  SimState behind = start, ahead = start;
  for (long k = 0; k < period; ++k) ahead = StepFrom(doc, ahead);
  long steps = 0;
  while (behind != ahead) {
    if (steps + period >= bound) return noRepeat();
    behind = StepFrom(doc, behind);
    ahead = StepFrom(doc, ahead);
    ++steps;
  }
  if (steps + period > bound) return noRepeat();
  SimState cycle;
  RestoreState(doc, behind);
  for (long k = 1; k < period; ++k) AddDifference(cycle, behind, Step(doc));
  return Repeating(static_cast<int>(steps), static_cast<int>(period), behind, cycle);
}

}  // namespace

char Settling::Cell(Integer slot) const {
  if (unsteady[static_cast<std::size_t>(slot)]) return '~';
  return state.Output(slot) ? '1' : '0';
}

Settling Settle(Document& doc, int bound) {
  assert(bound >= 0);
  const SimState start = CaptureState(doc);
  std::optional<Settling> early = SettleEarly(doc, start, bound);
  Settling settling = early ? *early : SettleLate(doc, start, bound);
  RestoreState(doc, start);
  return settling;
}

}  // namespace tessara
