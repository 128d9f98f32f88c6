// Settling a run: prop steps from a start state until the state repeats.
//
// A prop step is a function of the SimState alone, so the run s0, s1, s2, ... from a
// start state s0 is eventually periodic. It settles at K with period P for the smallest
// K, and then the smallest P >= 1, with s(K+P) = s(K); both are found exactly, whatever
// the links (a node-flagged link into an ordinary gate included), as long as
// K + P <= the bound. Outputs are read from the cycle, never from a guess that "no
// output changed in one step" means settled.
//
// Cost: a run that repeats within 64 steps takes K + P steps and compares each new
// state with the ones kept (a row of a 16-input XOR tree: about 2 µs). A longer run
// uses Brent's cycle finding in constant memory: at most about 6 * (K + P) steps, and
// the bound plus the first power of two >= the bound (2,048,575 for the default) to
// find that a run does not repeat within the bound, about 1 s on the build machine.
// A stop request is looked at every few thousand steps (well under a millisecond), so
// a long run ends soon after one.
#pragma once

#include <bitset>
#include <stop_token>

#include "model/document.h"
#include "sim/sim_state.h"

namespace tessara {

// How far a run is followed: a repeat counts when K + P <= kSettleBound.
inline constexpr int kSettleBound = 1000000;

struct Settling {
  bool repeats = false;  // s(K+P) = s(K) with K + P <= the bound
  bool stopped = false;  // a stop was requested first: nothing else holds
  int steps = 0;         // K, when it repeats
  int period = 0;        // P, when it repeats
  SimState state;        // s(K) when it repeats; otherwise s0
  // Slots whose output is not the same in every state of the cycle; for a run that
  // does not repeat, slots whose output changed during its first `bound` steps.
  std::bitset<kSlotCount> unsteady;

  // '~' for an unsteady slot, else '1' or '0' for its output in `state`.
  char Cell(std::int16_t slot) const;
};

// Settles the run that starts from doc's current signals, or gives up with `stopped`
// once stop is requested. doc's signals are the start state again when it returns;
// positions, kinds, links and power are never touched. Requires bound >= 0; with 0 no
// step is followed and nothing repeats.
Settling Settle(Document& doc, int bound = kSettleBound, std::stop_token stop = {});

}  // namespace tessara
