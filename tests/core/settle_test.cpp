// Settling: lock-step oscillation, long transients and cycles, odd links, the bound (the
// examples' fixed points and the latch's flip from all-False: `table --timing` in tool_test).
#include "sim/settle.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "circuits.h"

namespace tessara {
namespace {

using testing::PutGate;
using testing::PutLink;

// A gate in slot driven by gate `from` (none when -1) through link slot `link`++.
std::int16_t Add(Document& doc, std::int16_t slot, std::int32_t type, std::int16_t from,
                 std::int16_t& link) {
  PutGate(doc, slot, type, type == kOutputGate ? 8200 : 2000, 400.0f * slot);
  if (from >= 0) PutLink(doc, link++, from, slot);
  return slot;
}

// count gates in slots first.., each driving the next; returns the last slot.
std::int16_t Chain(Document& doc, std::int16_t first, int count, std::int32_t type,
                   std::int16_t from, std::int16_t& link) {
  for (std::int16_t s = first; s < first + count; ++s) from = Add(doc, s, type, from, link);
  return from;
}

// One NOT and length - 1 ORs in a ring: a square wave of period 2 * length.
std::int16_t Ring(Document& doc, std::int16_t first, int length, std::int16_t& link) {
  const std::int16_t last = Chain(doc, first, length, kOrGate, -1, link);
  Add(doc, first, kNotGate, last, link);  // the NOT takes the first OR's place
  return last;
}

// Rings of 17 and 19 under an XOR into an output: a cycle of lcm(34, 38) = 646 steps.
std::int16_t TwoRings(Document& doc, std::int16_t& link) {
  const std::int16_t a = Ring(doc, 0, 17, link), b = Ring(doc, 17, 19, link);
  const std::int16_t x = Add(doc, 36, kXorGate, a, link);
  PutLink(doc, link++, b, x, 1);
  return Add(doc, 37, kOutputGate, x, link);
}

// 49 NOT gates in a chain into an output: settled after 50 steps, seen repeat at 51.
std::int16_t NotChain(Document& doc, std::int16_t& link) {
  return Add(doc, 49, kOutputGate, Chain(doc, 0, 49, kNotGate, -1, link), link);
}

TEST(Settle, FindsTheFirstRepeatedStateOfEachRun) {
  const struct {
    const char* circuit;
    std::function<std::int16_t(Document&, std::int16_t&)> build;  // returns the output's slot
    int bound, repeats, steps, period;
    char cell;
  } rows[] = {
      {"ring of three NOT gates",
       [](Document& d, std::int16_t& l) {
         PutLink(d, l++, Chain(d, 0, 3, kNotGate, -1, l), 0);
         return Add(d, 3, kOutputGate, 2, l);
       },
       kSettleBound, true, 1, 2, '~'},
      {"a chain of 49 NOT gates settles only after 50 steps", NotChain, kSettleBound, true, 50, 1,
       '1'},
      {"the same chain followed for exactly its 51 steps", NotChain, 51, true, 50, 1, '1'},
      {"the same chain followed for a step fewer", NotChain, 50, false, 0, 0, '~'},
      {"rings of 17 and 19 under an XOR: a cycle of 646 steps", TwoRings, kSettleBound, true, 1,
       646, '~'},
      {"the same cycle followed for exactly its 647 steps", TwoRings, 647, true, 1, 646, '~'},
      {"the same cycle followed for 256 steps only", TwoRings, 256, false, 0, 0, '~'},
      {"an empty circuit followed for no step",
       [](Document&, std::int16_t&) { return std::int16_t{0}; }, 0, false, 0, 0, '0'},
      {"a node-flagged link ending at a NOR: the output runs 1,1,0,0",
       [](Document& d, std::int16_t& l) {
         for (auto [slot, type] : {std::pair{std::int16_t{0}, kOrGate},
                                   {std::int16_t{1}, kNorGate},
                                   {std::int16_t{2}, kOutputGate}})
           PutGate(d, slot, type, 2000, 0);
         for (auto [from, to, input] :
              {std::array<std::int16_t, 3>{1, 1, 0}, {0, 1, 1}, {1, 2, 0}, {1, 0, 1}})
           PutLink(d, l++, from, to, input);
         d.EditLink(0).ToNode = true;
         return std::int16_t{2};
       },
       kSettleBound, true, 1, 4, '~'},
  };
  for (const auto& row : rows) {
    Document doc;
    std::int16_t links = 0;
    const std::int16_t output = row.build(doc, links);
    const Settling s = Settle(doc, row.bound);
    EXPECT_EQ(std::tuple(int{s.repeats}, s.steps, s.period, s.Cell(output)),
              std::tuple(row.repeats, row.steps, row.period, row.cell))
        << row.circuit;
    EXPECT_EQ(CaptureState(doc), SimState{}) << row.circuit << ": the start state is given back";
  }
}

TEST(Settle, GivesUpOnALongRunOnceAStopIsRequested) {
  Document doc;
  testing::PutLongRun(doc);
  std::stop_source stop;
  stop.request_stop();
  EXPECT_TRUE(Settle(doc, kSettleBound, stop.get_token()).stopped);
  EXPECT_EQ(CaptureState(doc), SimState{}) << "the start state is given back";
}

}  // namespace
}  // namespace tessara
