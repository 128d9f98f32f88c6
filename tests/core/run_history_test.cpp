// A powered run's history: steps back exactly, ahead dropped by a new step, the cap, repeats.
#include "sim/run_history.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "circuits.h"
#include "sim/propagation.h"

namespace tessara {
namespace {

// 3 to 12 gates of any kind but the node, each input linked from any gate, maybe bent;
// the gates take the slots from the last one down.
Document RandomCircuit(std::mt19937& rng) {
  Document doc;
  std::vector<std::int16_t> slots = testing::CircuitBuilder::SlotOrder();
  std::reverse(slots.begin(), slots.end());
  testing::CircuitBuilder build(doc, slots);
  std::vector<std::int16_t> gates;
  for (auto n = 3 + rng() % 10; n > 0; --n) {
    const KindFacts& kind = kKinds[rng() % kKinds.size()];
    if (kind.role != KindRole::Node) gates.push_back(build.Place(kind.code));
  }
  for (std::int16_t g : gates) {
    for (std::int16_t input = 0; input < InputCount(doc.Gates(g).GetType()); ++input)
      build.Wire(gates[rng() % gates.size()], g, input, static_cast<int>(rng() % 2));
  }
  return doc;
}

TEST(RunHistory, BackAndForwardRestoreTheRecordedStatesOfRandomRuns) {
  std::mt19937 rng(10);
  for (int run = 0; run < 200; ++run) {
    Document doc = RandomCircuit(rng);
    RunHistory history;
    history.Start(CaptureState(doc));
    std::vector<SimState> recorded{CaptureState(doc)};  // each step as it was taken
    std::size_t at = 0;
    for (int action = 0; action < 60; ++action) {
      const auto choice = rng() % 4;
      if (choice == 0 && history.Back()) --at;
      if (choice == 1 && history.Forward()) ++at;
      if (choice < 2) RestoreState(doc, history.Step(history.Current()).state);
      if (choice >= 2) {
        const auto slot = static_cast<std::int16_t>(rng() % 51);
        const bool toggle = choice == 2 && doc.Gates(slot).GetType() == kInputGate;
        if (toggle)
          ToggleInput(doc, slot);
        else
          PropStep(doc);
        if (!toggle && at + 1 < recorded.size() && history.Step(at + 1).cause == StepCause::Prop) {
          ASSERT_EQ(CaptureState(doc), recorded[at + 1]) << "the same prop from a restored step";
        }
        history.Record(CaptureState(doc), toggle ? StepCause::Toggle : StepCause::Prop, slot);
        recorded.resize(++at);
        recorded.push_back(CaptureState(doc));
      }
      ASSERT_EQ(history.Current(), at);
      ASSERT_EQ(history.Last() + 1, recorded.size()) << "a new step drops the steps ahead";
      ASSERT_EQ(CaptureState(doc), recorded[at]) << "run " << run << " action " << action;
    }
  }
}

// Step i holds a state whose first byte is states[i]; causes[i]: t a toggle, else a prop.
RunHistory History(const std::string& causes, std::size_t cap = 100) {
  RunHistory history(cap);
  for (std::size_t i = 0; i < causes.size(); ++i) {
    SimState state;
    state.bits[0] = static_cast<std::uint8_t>(causes[i]);
    if (i == 0)
      history.Start(state);
    else
      history.Record(state, causes[i] == 't' ? StepCause::Toggle : StepCause::Prop);
  }
  return history;
}

TEST(RunHistory, FindsTheRepeatOfTheToggleFreeStretchHoldingAStep) {
  struct Row {
    const char* steps;
    std::size_t at, from, period;
  } rows[] = {
      {"abcd", 3, 0, 0},  {"abcbc", 4, 1, 2}, {"abccc", 0, 2, 1}, {"abtcc", 4, 3, 1},
      {"abatc", 4, 0, 0}, {"abatc", 1, 0, 2}, {"abtab", 4, 0, 0},  // a toggle between the a's
  };
  for (const Row& row : rows) {
    const auto repeat = History(row.steps).FindRepeat(row.at);
    EXPECT_EQ(repeat ? repeat->from * 10 + repeat->period : 0, row.from * 10 + row.period)
        << row.steps << " at " << row.at;
  }
}

TEST(RunHistory, BeyondItsCapDropsTheOldestAndKeepsTheStepNumbers) {
  RunHistory history = History("abcdefg", 4);
  EXPECT_EQ(std::tuple(history.First(), history.Last(), history.Step(3).state.bits[0]),
            std::tuple(3u, 6u, 'd'));
  EXPECT_FALSE(history.GoTo(2)) << "step 3 is the first kept";
  EXPECT_TRUE(history.GoTo(3));
  EXPECT_FALSE(history.Back());
}

}  // namespace
}  // namespace tessara
