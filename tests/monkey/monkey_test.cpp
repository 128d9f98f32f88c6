// The monkey on the real window: a seeded run of random user actions, every one
// followed by the checks of the window against its circuit. MONKEY_SEED and
// MONKEY_ACTIONS choose the run; MONKEY_TRACE=1 logs every action.
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <deque>

#include "../app/window_fixture.h"
#include "file_corpus.h"
#include "monkey.h"
#include "window_probe.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace tessara::app {
namespace {

constexpr long kDefaultActions = 5000;

long EnvNumber(const char* name, long fallback) {
  bool ok = false;
  const long number = qgetenv(name).toLong(&ok);
  return ok ? number : fallback;
}

// Where a run is, for a sanitizer that stops the program.
struct Whereabouts {
  std::uint32_t seed = 0;
  long action = -1;
  std::string what;
} whereabouts;

class MonkeyRun : public WindowTest {
 protected:
  MonkeyRun() : probe(window), files(TESSARA_EXAMPLES, folder.path().toStdString()) {
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback([] {
      std::fprintf(stderr, "monkey: stopped in action %ld of seed %u, after: %s\n",
                   whereabouts.action, whereabouts.seed, whereabouts.what.c_str());
    });
#endif
  }

  // Runs actions actions from seed and returns what they reached; fails at the first
  // fault with the seed, the action's number, the actions before it and a replay line.
  Monkey::Tally Run(std::uint32_t seed, long actions) {
    if (!probe.missing.empty()) ADD_FAILURE() << "no element named " << probe.missing;
    if (files.exampleCount() == 0) ADD_FAILURE() << "no example circuits in " << TESSARA_EXAMPLES;
    if (HasFailure()) return {};
    const bool trace = EnvNumber("MONKEY_TRACE", 0) != 0;
    std::fprintf(stderr, "monkey: seed %u, %ld actions\n", seed, actions);
    const auto started = std::chrono::steady_clock::now();
    Monkey monkey(probe, files, seed);
    std::deque<std::string> recent;  // the last dozen, for the report
    whereabouts = {seed, -1, ""};
    for (long k = 0; k < actions; ++k) {
      whereabouts.action = k;
      Monkey::Outcome outcome = monkey.Step();
      whereabouts.what = outcome.action;
      if (trace) std::fprintf(stderr, "%ld: %s\n", k, outcome.action.c_str());
      for (std::string& fault : CheckModel(window.form())) outcome.faults.push_back(fault);
      for (std::string& fault : CheckScreen(window.form(), probe, monkey.laggingPalette)) {
        outcome.faults.push_back(fault);
      }
      if (!outcome.faults.empty()) {
        std::ostringstream report;
        report << "monkey seed " << seed << ", action " << k << ": " << outcome.action << '\n';
        for (const std::string& fault : outcome.faults) report << "  " << fault << '\n';
        report << "after:\n";
        for (const std::string& line : recent) report << "  " << line << '\n';
        ADD_FAILURE() << report.str() << "replay: MONKEY_SEED=" << seed
                      << " MONKEY_ACTIONS=" << k + 1 << " MONKEY_TRACE=1 monkey_tests";
        return monkey.tally();
      }
      recent.push_back(std::to_string(k) + ": " + outcome.action);
      if (recent.size() > 12) recent.pop_front();
      if ((k + 1) % 10000 == 0) std::fprintf(stderr, "monkey: %ld actions\n", k + 1);
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
    std::fprintf(stderr, "monkey: %ld actions in %.1f s; at most %d gates used\n", actions,
                 took.count(), monkey.tally().mostGates);
    for (const auto& [name, count] : monkey.tally().actions) {
      std::fprintf(stderr, "  %-36s %ld\n", name.c_str(), count);
    }
    return monkey.tally();
  }

  QTemporaryDir folder;
  WindowProbe probe;
  FileCorpus files;
};

TEST_F(MonkeyRun, RandomActionsKeepTheWindowTrueToItsCircuit) {
  const long actions = EnvNumber("MONKEY_ACTIONS", kDefaultActions);
  const auto seed = static_cast<std::uint32_t>(EnvNumber("MONKEY_SEED", 20240));
  const Monkey::Tally tally = Run(seed, actions);
  if (HasFailure() || actions < kDefaultActions) return;
  // A run of the default length reaches the corners the mix is weighted for.
  EXPECT_EQ(tally.mostGates, kSlotCount) << "the circuit never filled up";
  for (const char* action : {"box Riddle", "drag to canvas", "drag to trash can", "open example",
                             "open flipped", "save new", "save folder"}) {
    EXPECT_GT(tally.actions.count(action), 0u) << "never: " << action;
  }
}

// Action 1630 presses gate image 3 with the select tool and opens a damaged file by
// its shortcut halfway to the drop: the "Error" box must end the drag, leaving no
// outline behind and nothing for the release to drop.
TEST_F(MonkeyRun, Seed5ADragInterruptedByABoxEndsWithItsRelease) {
  const Monkey::Tally tally = Run(5, 1631);
  if (!HasFailure()) {
    EXPECT_EQ(tally.actions.count("drag ended by a box"), 1u);
  }
}

TEST_F(MonkeyRun, Seed2ADragStartedByASecondButtonEndsWithTheLastRelease) {
  const Monkey::Tally tally = Run(2, 4199);
  if (!HasFailure()) {
    EXPECT_GE(tally.actions.count("drag interrupted, then dropped"), 1u);
  }
}

}  // namespace
}  // namespace tessara::app
