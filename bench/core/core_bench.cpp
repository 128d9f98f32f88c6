// Targets: a propagation step under 1 us, recording it in the run's history under
// 50 ns more; writing or reading a full file in memory under 50 us each; the truth
// table of a 16-input XOR parity tree (65,536 rows, each settled exactly) under 0.3 s;
// the explanation of one value on a full circuit after a 10,000-step run under 1 ms;
// grading 1,000 latch answers against a 20-row sequence under 1 s on two cores.
// Figures without a target: the expressions of a 4-bit adder (8 inputs, 5 outputs),
// and minimal forms of random 8-input functions.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <stdexcept>
#include <utility>

#include "io/circuit_builder.h"
#include "io/circuit_file.h"
#include "io/expression_text.h"
#include "io/grade_files.h"
#include "model/gatekinds.h"
#include "sim/explanation.h"
#include "sim/minimal_form.h"
#include "sim/propagation.h"
#include "sim/run_history.h"
#include "sim/terminals.h"
#include "sim/truth_table.h"

namespace tessara {
namespace {

// A document read from a file, or the benchmark stops with the reason.
Document Load(const char* path) {
  LoadResult loaded = LoadCircuitFile(path);
  if (!loaded.document) throw std::runtime_error(path + (": " + loaded.error.reason.English()));
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

// 10,000 steps recorded from doc, powered up: the input in slot 0 toggled before
// every 100th step when toggles is set, every other step a prop.
RunHistory LongRun(Document& doc, bool toggles) {
  RunHistory history;
  history.Start(CaptureState(doc));
  for (int step = 1; step <= 10'000; ++step) {
    if (toggles && step % 100 == 1) {
      ToggleInput(doc, 0);
      history.Record(CaptureState(doc), StepCause::Toggle, 0);
    } else {
      PropStep(doc);
      history.Record(CaptureState(doc), StepCause::Prop);
    }
  }
  return history;
}

void Explaining(benchmark::State& state, const Document& doc, const RunHistory& history,
                std::int16_t slot) {
  Explanation explanation;
  for (auto _ : state) {
    explanation = Explain(doc, history, slot, history.Last());
    benchmark::DoNotOptimize(explanation);
  }
  state.counters["events"] = double(explanation.events.size() + explanation.more);
}

// Why the full circuit's output holds its value at the last of 10,000 steps, the
// input toggled every 100: the sweep walks back over every step.
void BM_ExplainAfterLongRun(benchmark::State& state) {
  Document doc = FullCircuit();
  const RunHistory history = LongRun(doc, true);
  Explaining(state, doc, history, FindTerminals(doc).outputs.at(0));
}
BENCHMARK(BM_ExplainAfterLongRun)->Unit(benchmark::kMicrosecond);

// The worst case: a ring of 25 NOT gates, each wire bent once, where every gate flips
// at every step, so each of the 10,000 steps holds an event.
void BM_ExplainOscillatingRing(benchmark::State& state) {
  Document doc;
  constexpr std::int16_t kRing = 25;  // NOT gates in slots 0..24, each wire's bend in slot 25 + i
  for (std::int16_t i = 0; i < kRing; ++i) {
    const auto node = static_cast<std::int16_t>(kRing + i);
    for (auto [slot, kind] : {std::pair{i, kNotGate}, std::pair{node, kBufferGate}}) {
      doc.PutGate(slot, MakeGate(kind));
      doc.EditGate(slot).ReadData(2000, float(300 * i), true, 0);
    }
    Link& in = doc.EditLink(static_cast<std::int16_t>(2 * i));
    in.SetStart(i, 0);
    in.SetStop(node, 0);
    in.ToNode = true;
    in.Next = static_cast<std::int16_t>(2 * i + 1);
    in.SetUsed(true);
    Link& out = doc.EditLink(static_cast<std::int16_t>(2 * i + 1));
    out.SetStart(node, 0);
    out.FromNode = true;
    out.SetStop(static_cast<std::int16_t>((i + 1) % kRing), 0);
    out.SetUsed(true);
  }
  const RunHistory history = LongRun(doc, false);
  Explaining(state, doc, history, 0);
}
BENCHMARK(BM_ExplainOscillatingRing)->Unit(benchmark::kMicrosecond);

void BM_WriteCircuit(benchmark::State& state) {
  const Document doc = FullCircuit();
  for (auto _ : state) benchmark::DoNotOptimize(WriteCircuit(doc));
}
BENCHMARK(BM_WriteCircuit);

void BM_ReadCircuit(benchmark::State& state) {
  const std::string text = WriteCircuit(FullCircuit());
  for (auto _ : state) {
    LoadResult loaded = ReadCircuit(text);
    if (!loaded.document) state.SkipWithError(loaded.error.reason.English().c_str());
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

// The two lines of each output of bench/table/adder4.cir: its truth table (256 rows),
// formulas and minimal forms.
void BM_AdderExpressions(benchmark::State& state) {
  const LoadResult loaded = LoadCircuitFile(TESSARA_ADDER);
  if (!loaded.document) throw std::runtime_error(loaded.error.reason.English());
  for (auto _ : state) benchmark::DoNotOptimize(ExpressionText(*loaded.document));
}
BENCHMARK(BM_AdderExpressions)->Unit(benchmark::kMillisecond);

// The minimal form of random 8-input functions, each row 1 with the chance given in
// percent: the mean over 32 functions, taken in turn.
void BM_MinimiseRandom8(benchmark::State& state) {
  std::mt19937 random(1);
  std::vector<std::string> columns(32, std::string(256, '0'));
  for (std::string& column : columns) {
    for (char& cell : column) cell = static_cast<long>(random() % 100) < state.range(0) ? '1' : '0';
  }
  std::size_t next = 0;
  for (auto _ : state) benchmark::DoNotOptimize(Minimise(8, columns[next++ % columns.size()]));
}
BENCHMARK(BM_MinimiseRandom8)
    ->Arg(30)
    ->Arg(50)
    ->Arg(70)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(64);

// A class of 1,000 answers, each examples/sr_latch_nor.cir, graded against a 20-row
// sequence of resets, sets, holds and pulses in one process on two threads, as
// `tessara-sim grade` grades them: files read, runs played, rows compared.
void BM_GradeLatchClass(benchmark::State& state) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("tessara-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  for (int i = 0; i < 1000; ++i) {
    std::filesystem::copy_file(TESSARA_SR_LATCH, folder / ("answer" + std::to_string(i) + ".cir"),
                               std::filesystem::copy_options::overwrite_existing);
  }
  std::string text = "sequence\nI1 I2 | O1 O2\n";  // I1 = R, I2 = S: set, reset, hold, pulse
  for (int i = 0; i < 4; ++i) text += "0 1 | 1 0\n1 0 | 0 1\n0 0 | 0 1\nC 0 | 0 1\n0 1 | 1 0\n";
  const ExpectedTable expected = ReadExpected(text, {}, {});
  if (!expected.answer) throw std::runtime_error(expected.error.reason.English());
  const std::vector<GradePath> paths = CircuitFilesIn({folder.string()});
  for (auto _ : state) {
    std::size_t same = 0;
    GradeFiles(*expected.answer, paths, {}, 2, [&](const std::string&, const Grade& grade) {
      same += grade.verdict == Verdict::Same ? 1 : 0;
    });
    if (same != paths.size()) throw std::runtime_error("an answer did not match");
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_GradeLatchClass)->Unit(benchmark::kMillisecond)->UseRealTime();

// A circuit built from an 8-input table of 256 rows (the minimal forms, the layout and
// the check of the circuit's 256 settled rows): two outputs that fit on the canvas,
// I1·I2 + I3·I4 + I5·I6 + I7·I8 and ¬I1·¬I8, a few rows don't care.
void BM_BuildFromTable8Inputs(benchmark::State& state) {
  TruthTable table{8, 2, {}, kSettleBound, false};
  for (unsigned r = 0; r < 256; ++r) {
    const auto bit = [r](unsigned k) { return (r >> (8 - k) & 1u) != 0; };
    const bool pairs =
        (bit(1) && bit(2)) || (bit(3) && bit(4)) || (bit(5) && bit(6)) || (bit(7) && bit(8));
    std::string out{pairs ? '1' : '0', !bit(1) && !bit(8) ? '1' : '0'};
    if (r % 61 == 7) out[1] = 'X';
    table.rows.push_back({RowInputs(r, 8), out});
  }
  for (auto _ : state) {
    const BuildResult built = BuildFromTable(table, static_cast<GateSet>(state.range(0)));
    if (!built.document) state.SkipWithError(built.error.reason.English().c_str());
  }
}
BENCHMARK(BM_BuildFromTable8Inputs)
    ->Arg(static_cast<int>(GateSet::Any))
    ->Arg(static_cast<int>(GateSet::NandOnly))
    ->Unit(benchmark::kMillisecond);

// The same for random 8-input tables of one output, each row 1 with the chance given in
// percent: too big for the canvas, so both forms are minimised and laid out before the
// refusal; the mean over 16 tables, taken in turn.
void BM_BuildFromRandomTable8Inputs(benchmark::State& state) {
  std::mt19937 random(1);
  std::vector<TruthTable> tables(16, TruthTable{8, 1, {}, kSettleBound, false});
  for (TruthTable& table : tables) {
    for (unsigned r = 0; r < 256; ++r) {
      const bool on = static_cast<long>(random() % 100) < state.range(0);
      table.rows.push_back({RowInputs(r, 8), on ? "1" : "0"});
    }
  }
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(BuildFromTable(tables[next++ % tables.size()], GateSet::Any));
  }
}
BENCHMARK(BM_BuildFromRandomTable8Inputs)->Arg(30)->Arg(50)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessara
