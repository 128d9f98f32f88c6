// DrawCircuit on a full circuit (51 gate slots and 51 links in use, powered, and
// not powered with its problem marks) through the window's real elements on the
// offscreen platform. Target: under 0.5 ms.
// Undo and redo of the same circuit likewise. Target: under 1 ms.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/main_window.h"
#include "editor/commands.h"
#include "editor/edit_history.h"
#include "model/gatekinds.h"
#include "view/display.h"

namespace tessara::app {
namespace {

constexpr std::int32_t kKinds[] = {kAndGate, kOrGate,    kNotGate,    kNandGate,  kNorGate,
                                   kXorGate, kInputGate, kOutputGate, kBufferGate};

// Every slot used, kinds and orientations mixed; link j joins slot j to slot j + 1.
void FillCircuit(Document& doc) {
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    const std::int32_t kind = kKinds[i % std::size(kKinds)];
    doc.PutGate(i, MakeGate(kind));
    doc.EditGate(i).ReadData(static_cast<float>(800 + (i % 8) * 850),
                             static_cast<float>(200 + (i / 8) * 1100), true, i % 4);
  }
  for (std::int16_t j = 0; j < kSlotCount; ++j) {
    const auto stop = static_cast<std::int16_t>((j + 1) % kSlotCount);
    Link& link = doc.EditLink(j);
    link.SetStart(j, 0);
    link.SetStop(stop, static_cast<std::int16_t>(j % 2));
    link.FromNode = doc.Gates(j).GetType() == kBufferGate;
    link.ToNode = doc.Gates(stop).GetType() == kBufferGate;
    link.SetUsed(true);
  }
  doc.PowerOn = true;
}

struct ShownWindow {
  ShownWindow() {
    OnWindowOpen(window.form());
    FillCircuit(window.form().doc);
    window.show();
    QApplication::processEvents();
  }
  MainWindow window;
};

void BM_DrawCircuitFullCircuit(benchmark::State& state) {
  ShownWindow shown;
  const Form& form = shown.window.form();
  for (auto _ : state) DrawCircuit(form, shown.window);
}
BENCHMARK(BM_DrawCircuitFullCircuit)->Unit(benchmark::kMicrosecond);

// The same with power off, so that every warning of the circuit (an unlinked input on
// each two-input gate, ...) is found and marked at each refresh.
void BM_DrawCircuitFullCircuitMarked(benchmark::State& state) {
  ShownWindow shown;
  shown.window.form().doc.PowerOn = false;
  const Form& form = shown.window.form();
  for (auto _ : state) DrawCircuit(form, shown.window);
  state.counters["marks"] = static_cast<double>(shown.window.ProblemMarks().Marks().size());
}
BENCHMARK(BM_DrawCircuitFullCircuitMarked)->Unit(benchmark::kMicrosecond);

// Every gate moved by a pixel between refreshes, so every element and line changes.
void BM_DrawCircuitFullCircuitAllMoved(benchmark::State& state) {
  ShownWindow shown;
  Document& doc = shown.window.form().doc;
  float step = 15;
  for (auto _ : state) {
    for (std::int16_t i = 0; i < kSlotCount; ++i) {
      Gate& g = doc.EditGate(i);
      g.ReadData(g.GetX() + step, g.GetY(), true, g.GetOrientation());
    }
    step = -step;
    DrawCircuit(shown.window.form(), shown.window);
  }
  QApplication::processEvents();
}
BENCHMARK(BM_DrawCircuitFullCircuitAllMoved)->Unit(benchmark::kMicrosecond);

// An undo and then a redo of a step that moved every gate of the full circuit (power
// off): each copies the whole document back and refreshes. Target: under 1 ms each.
void BM_UndoThenRedoFullCircuit(benchmark::State& state) {
  ShownWindow shown;
  Form& form = shown.window.form();
  form.doc.PowerOn = false;
  EditHistory history;
  history.Record(form, [](Form& f) {
    for (std::int16_t i = 0; i < kSlotCount; ++i) {
      Gate& g = f.doc.EditGate(i);
      g.ReadData(g.GetX() + 15, g.GetY(), true, g.GetOrientation());
    }
  });
  for (auto _ : state) {
    history.Undo(form);
    history.Redo(form);
  }
  QApplication::processEvents();
}
BENCHMARK(BM_UndoThenRedoFullCircuit)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tessara::app

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
