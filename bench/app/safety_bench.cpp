// Never lose work, never freeze. Closing the truth table window while it works on
// bench/table/slow16.cir (16 inputs, a XOR fed back through 20 NOT gates, no run repeating
// within the bound: about a second a row, a day for the table): the work stops and the
// worker is joined. Writing a recovery file (the circuit's 106 lines and its origin, each
// flushed to disk and renamed into place) in the system's temporary folder.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>
#include <filesystem>
#include <thread>

#include "app/main_window.h"
#include "app/truth_table_window.h"
#include "editor/commands.h"
#include "editor/recovery.h"

namespace tessara::app {
namespace {

void BM_CloseTruthTableWhileItWorks(benchmark::State& state) {
  MainWindow window;
  OnWindowOpen(window.form());
  if (!LoadCircuit(window.form(), TESSARA_SLOW_TABLE)) std::abort();
  window.show();
  for (auto _ : state) {
    state.PauseTiming();
    TruthTableWindow& table = window.Companions().ShowTruthTable();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    state.ResumeTiming();
    table.close();
  }
}
BENCHMARK(BM_CloseTruthTableWhileItWorks)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_WriteRecovery(benchmark::State& state) {
  MainWindow window;
  Form& form = window.form();
  if (!LoadCircuit(form, TESSARA_SLOW_TABLE)) std::abort();
  const std::filesystem::path folder = std::filesystem::temp_directory_path();
  const RecoveryFiles files{(folder / "tessara-bench.cir").string(),
                            (folder / "tessara-bench.origin").string()};
  for (auto _ : state) {
    if (WriteRecovery(form, files)) std::abort();
  }
  RemoveRecovery(files);
}
BENCHMARK(BM_WriteRecovery)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessara::app
