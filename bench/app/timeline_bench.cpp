// The timeline window with 10,000 recorded steps of the full adder (a toggle every 37
// steps), shown at 1200 x 800: a repaint of the visible columns, and the whole update
// a step costs it (rows, repeat, counter, scroll, repaint). Target: under 16 ms.
// A step back and forward as the window acts them, with and without the Why window
// open on an output (explained anew at each step, its lines, the highlight).
#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/main_window.h"
#include "app/timeline_view.h"
#include "app/timeline_window.h"
#include "editor/commands.h"
#include "editor/stepping.h"
#include "editor/why.h"
#include "sim/propagation.h"
#include "sim/terminals.h"

namespace tessara::app {
namespace {

constexpr int kSteps = 10'000;

struct RecordedRun {
  RecordedRun() {
    Form& form = window.form();
    OnWindowOpen(form);
    if (!LoadCircuit(form, TESSARA_EXAMPLES "/full_adder.cir")) std::abort();
    OnPower(form);
    for (int step = 1; step < kSteps; ++step) {
      if (step % 37 == 0) {
        ToggleInput(form.doc, 0);
        RecordStep(form, StepCause::Toggle, 0);
      } else {
        OnProp(form);
      }
    }
    window.show();
    timeline = &window.Companions().ShowTimeline();
    timeline->resize(1200, 800);
    QApplication::processEvents();
    timeline->Refresh();
  }
  MainWindow window;
  TimelineWindow* timeline = nullptr;
};

void BM_TimelineRepaint10000Steps(benchmark::State& state) {
  RecordedRun run;
  QWidget* viewport = run.timeline->View().viewport();
  for (auto _ : state) viewport->repaint();
}
BENCHMARK(BM_TimelineRepaint10000Steps)->Unit(benchmark::kMillisecond);

void BM_TimelineUpdate10000Steps(benchmark::State& state) {
  RecordedRun run;
  QWidget* viewport = run.timeline->View().viewport();
  for (auto _ : state) {
    run.timeline->Refresh();
    viewport->repaint();
  }
}
BENCHMARK(BM_TimelineUpdate10000Steps)->Unit(benchmark::kMillisecond);

// Two acts an iteration: Step Back, then Step Forward, each through Act with the
// timeline shown; with Why open on the last output when asked.
void StepBackAndForth(benchmark::State& state, bool why) {
  RecordedRun run;
  if (why) {
    const std::int16_t output = FindTerminals(run.window.form().doc).outputs.back();
    run.window.Act([output](Form& form) { OnValuePress(form, output); });
    run.window.Companions().ShowWhy();
  }
  for (auto _ : state) {
    run.window.Act(OnStepBack);
    run.window.Act(OnStepForward);
  }
  QApplication::processEvents();
}

void BM_StepBackAndForth10000Steps(benchmark::State& state) { StepBackAndForth(state, false); }
BENCHMARK(BM_StepBackAndForth10000Steps)->Unit(benchmark::kMicrosecond);

void BM_StepBackAndForthWithWhy10000Steps(benchmark::State& state) {
  StepBackAndForth(state, true);
}
BENCHMARK(BM_StepBackAndForthWithWhy10000Steps)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tessara::app
