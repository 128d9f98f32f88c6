// The history of a powered run: steps come back exactly, a new step after going back
// drops the ones ahead, the cap drops the oldest, and repeats are found.
#include <gtest/gtest.h>

#include <random>

#include "circuit_builder.h"
#include "sim/propagation.h"
#include "sim/run_history.h"

namespace tessara {
namespace {

// Up to 12 gates of every kind but the node, each input linked from a random gate,
// some links bending once.
Document RandomCircuit(std::mt19937& rng) {
  constexpr Long kKinds[] = {kAndGate,  kOrGate,  kNotGate,   kNandGate,
                             kNorGate,  kXorGate, kInputGate, kOutputGate};
  Document doc;
  testing::CircuitBuilder build(doc);
  std::vector<Integer> gates;
  for (int n = 3 + static_cast<int>(rng() % 10); n > 0; --n) {
    gates.push_back(build.Gate(kKinds[rng() % std::size(kKinds)]));
  }
  for (Integer g : gates) {
    const Long kind = doc.Gates(g).GetType();
    if (kind == kInputGate) continue;
    const int inputs = kind == kNotGate || kind == kOutputGate ? 1 : 2;
    for (Integer input = 0; input < inputs; ++input) {
      build.Link(gates[rng() % gates.size()], g, input, static_cast<int>(rng() % 2));
    }
  }
  return doc;
}

TEST(RunHistory, BackAndForwardRestoreTheRecordedStatesOfRandomRuns) {
  std::mt19937 rng(10);
  for (int run = 0; run < 200; ++run) {
    Document doc = RandomCircuit(rng);
    RunHistory history;
    history.Start(CaptureState(doc));
    std::vector<SimState> recorded{CaptureState(doc)};  // what each step was when taken
    std::size_t at = 0;
    for (int action = 0; action < 60; ++action) {
      const auto choice = rng() % 4;
      if (choice == 0 && history.Back()) --at;
      if (choice == 1 && history.Forward()) ++at;
      if (choice < 2) RestoreState(doc, history.Step(history.Current()).state);
      if (choice >= 2) {
        const auto slot = static_cast<Integer>(rng() % 51);
        const bool toggle = choice == 2 && doc.Gates(slot).GetType() == kInputGate;
        if (toggle) ToggleInput(doc, slot); else PropStep(doc);
        // Stepping back and taking the same prop again meets the recorded step.
        if (!toggle && at + 1 < recorded.size() && history.Step(at + 1).cause == StepCause::Prop) {
          ASSERT_EQ(CaptureState(doc), recorded[at + 1]) << "run " << run << " action " << action;
        }
        history.Record(CaptureState(doc), toggle ? StepCause::Toggle : StepCause::Prop, slot);
        recorded.resize(++at);
        recorded.push_back(CaptureState(doc));
      }
      ASSERT_EQ(history.Current(), at);
      ASSERT_EQ(history.Last() + 1, recorded.size()) << "steps ahead are dropped by a new step";
      ASSERT_EQ(CaptureState(doc), recorded[at]) << "run " << run << " action " << action;
    }
  }
}

// Step i holds a state whose first byte is states[i]; causes: P power up, t toggle, p prop.
RunHistory History(const std::string& causes, const std::vector<int>& states, std::size_t cap = 100) {
  RunHistory history(cap);
  const auto state = [&](std::size_t i) {
    SimState s;
    s.bits[0] = static_cast<std::uint8_t>(states[i]);
    return s;
  };
  history.Start(state(0));
  for (std::size_t i = 1; i < causes.size(); ++i) {
    history.Record(state(i), causes[i] == 't' ? StepCause::Toggle : StepCause::Prop);
  }
  return history;
}

TEST(RunHistory, FindsTheRepeatOfTheToggleFreeStretchHoldingAStep) {
  struct Row {
    std::string causes;
    std::vector<int> states;
    std::size_t at;
    std::optional<std::size_t> from, period;
  } rows[] = {
      {"Pppp", {1, 2, 3, 4}, 3, {}, {}},
      {"Ppppp", {1, 2, 3, 2, 3}, 4, 1, 2},
      {"Ppppp", {1, 2, 3, 3, 3}, 0, 2, 1},
      {"Pptpp", {1, 2, 1, 5, 5}, 4, 3, 1},   // step 2 equals step 0, but a toggle lies between
      {"Ppptp", {1, 2, 1, 5, 6}, 4, {}, {}},  // the stretch holding step 4 has no repeat
      {"Ppptp", {1, 2, 1, 5, 6}, 1, 0, 2},
  };
  for (const Row& row : rows) {
    const auto repeat = History(row.causes, row.states).FindRepeat(row.at);
    EXPECT_EQ(repeat.has_value(), row.from.has_value()) << row.causes << " at " << row.at;
    if (repeat && row.from) {
      EXPECT_EQ(repeat->from, *row.from) << row.causes;
      EXPECT_EQ(repeat->period, *row.period) << row.causes;
    }
  }
}

TEST(RunHistory, BeyondItsCapDropsTheOldestAndKeepsTheStepNumbers) {
  RunHistory history = History("Ppppppt", {0, 1, 2, 3, 4, 5, 6}, 4);
  EXPECT_EQ(history.First(), 3u);
  EXPECT_EQ(history.Last(), 6u);
  EXPECT_EQ(history.Step(3).state.bits[0], 3);
  EXPECT_FALSE(history.GoTo(2));
  EXPECT_TRUE(history.GoTo(3));
  EXPECT_FALSE(history.Back());
  EXPECT_EQ(history.FindRepeat(6), std::nullopt);
}

}  // namespace
}  // namespace tessara
