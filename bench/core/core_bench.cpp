// Targets: a propagation step under 1 us, recording it in the run's history under
// 50 ns more; writing or reading a full file in memory under 50 us each; the truth
// table of a 16-input XOR parity tree (65,536 rows, each settled exactly) under 0.3 s.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <utility>

#include "io/circuit_file.h"
#include "sim/propagation.h"
#include "sim/run_history.h"
#include "sim/truth_table.h"

namespace tessara {
namespace {

// A document read from a file, or the benchmark stops with the reason.
Document Load(const char* path) {
  LoadResult loaded = LoadCircuitFile(path);
  if (!loaded.document) throw std::runtime_error(path + (": " + loaded.error.reason));
  return std::move(*loaded.document);
}

// bench/core/full_circuit.cir: all 51 gate slots and 51 link slots in use. An input
// drives a row of 24 gates of every kind into an output, the wires bending 0 to 2
// times (25 nodes), and the last gate feeds back into the first.
Document FullCircuit() { return Load(TESSARA_FULL_CIRCUIT); }

void BM_PropStep(benchmark::State& state) {
  Document doc = FullCircuit();
  ToggleInput(doc, 0);
  for (auto _ : state) {
    PropStep(doc);
    benchmark::DoNotOptimize(doc);
  }
}
BENCHMARK(BM_PropStep);

// The same step as the window takes it while powered: recorded with its state.
void BM_PropStepRecorded(benchmark::State& state) {
  Document doc = FullCircuit();
  ToggleInput(doc, 0);
  RunHistory history;
  history.Start(CaptureState(doc));
  for (auto _ : state) {
    PropStep(doc);
    history.Record(CaptureState(doc), StepCause::Prop);
    benchmark::DoNotOptimize(history);
  }
}
BENCHMARK(BM_PropStepRecorded);

// What recording adds to a step, alone: the state taken and appended to a history
// that fills up to its cap as a long run's would.
void BM_RecordStep(benchmark::State& state) {
  const Document doc = FullCircuit();
  RunHistory history;
  history.Start(CaptureState(doc));
  for (auto _ : state) {
    history.Record(CaptureState(doc), StepCause::Prop);
    benchmark::DoNotOptimize(history);
  }
}
BENCHMARK(BM_RecordStep);

// Its first half: one GetSignals read a slot.
void BM_CaptureState(benchmark::State& state) {
  const Document doc = FullCircuit();
  for (auto _ : state) benchmark::DoNotOptimize(CaptureState(doc));
}
BENCHMARK(BM_CaptureState);

void BM_WriteCircuit(benchmark::State& state) {
  const Document doc = FullCircuit();
  for (auto _ : state) benchmark::DoNotOptimize(WriteCircuit(doc));
}
BENCHMARK(BM_WriteCircuit);

void BM_ReadCircuit(benchmark::State& state) {
  const std::string text = WriteCircuit(FullCircuit());
  for (auto _ : state) {
    LoadResult loaded = ReadCircuit(text);
    if (!loaded.document) state.SkipWithError(loaded.error.reason.c_str());
    benchmark::DoNotOptimize(loaded);
  }
}
BENCHMARK(BM_ReadCircuit);

// 16 inputs, 15 XOR gates in four levels and one output: bench/table/parity16.cir.
void BM_ParityTreeTable(benchmark::State& state) {
  const Document tree = Load(TESSARA_PARITY_TREE);
  for (auto _ : state) benchmark::DoNotOptimize(MakeTruthTable(tree));
}
BENCHMARK(BM_ParityTreeTable)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessara
