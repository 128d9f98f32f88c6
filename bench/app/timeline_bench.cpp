// The timeline window with 10,000 recorded steps of the full adder (a toggle every 37
// steps), shown at 1200 x 800: a repaint of the visible columns, and the whole update
// a step costs it (rows, repeat, counter, scroll, repaint). Target: under 16 ms.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/tessara_form.h"
#include "app/timeline_view.h"
#include "app/timeline_window.h"
#include "editor/commands.h"
#include "editor/stepping.h"
#include "sim/propagation.h"

namespace tessara::app {
namespace {

constexpr int kSteps = 10'000;

struct RecordedRun {
  RecordedRun() {
    Form& form = window.form();
    Form_Load(form);
    if (!LoadCircuit(form, TESSARA_EXAMPLES "/full_adder.cir")) std::abort();
    Power_Click(form);
    for (int step = 1; step < kSteps; ++step) {
      if (step % 37 == 0) {
        ToggleInput(form.doc, 0);
        RecordStep(form, StepCause::Toggle, 0);
      } else {
        prop_Click(form);
      }
    }
    window.show();
    timeline = &window.Companions().ShowTimeline();
    timeline->resize(1200, 800);
    QApplication::processEvents();
    timeline->Refresh();
  }
  Tessara_Form window;
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

}  // namespace
}  // namespace tessara::app
