#include "sim/sequence_run.h"

#include <cassert>

#include "sim/propagation.h"
#include "sim/terminals.h"

namespace tessara {
namespace {

class SequencePlayer {
 public:
  SequencePlayer(const Document& circuit, const TableLimits& limits, const RunRecorder& record)
      : doc_(AsLoaded(circuit)), terminals_(FindTerminals(doc_)), limits_(limits), record_(record) {
    doc_.PowerOn = true;
  }

  // Plays one row; false when a stop came first.
  bool Play(const std::string& cells, SequenceReading& reading) {
    assert(cells.size() == terminals_.inputs.size());
    reading.row.in = cells;
    SetInputs([&](std::size_t k) { return cells[k] != '0'; });
    Settling settling;
    if (!SettleOn(settling)) return false;
    if (cells.find('C') != std::string::npos) {
      SetInputs([&](std::size_t k) { return cells[k] == '1'; });
      if (!SettleOn(settling)) return false;
    }
    ReadRow(settling, terminals_.outputs, reading.row);
    reading.step = step_;
    return true;
  }

 private:
  void SetInputs(const std::function<bool(std::size_t)>& high) {
    for (std::size_t k = 0; k < terminals_.inputs.size(); ++k) {
      const std::int16_t slot = terminals_.inputs[k];
      if ((doc_.Gates(slot).GetCurrOutput() != 0) == high(k)) continue;
      ToggleInput(doc_, slot);
      ++step_;
      if (record_) record_(doc_, StepCause::Toggle, slot);
    }
  }

  // Settles from the current state and moves the run on to where it settled (or to the
  // bound's step); false when a stop came first.
  bool SettleOn(Settling& settling) {
    settling = Settle(doc_, limits_.maxSteps, limits_.stop);
    if (settling.stopped) return false;
    const int steps = settling.repeats ? settling.steps : limits_.maxSteps;
    if (settling.repeats && !record_) {
      RestoreState(doc_, settling.state);
    } else {
      for (int k = 0; k < steps; ++k) {
        PropStep(doc_);
        if (record_) record_(doc_, StepCause::Prop, 0);
      }
    }
    step_ += static_cast<std::size_t>(steps);
    return true;
  }

  Document doc_;
  const Terminals terminals_;
  const TableLimits& limits_;
  const RunRecorder& record_;
  std::size_t step_ = 0;
};

}  // namespace

SequenceRun RunSequence(const Document& circuit, const std::vector<std::string>& rows,
                        const TableLimits& limits, const RunRecorder& record) {
  assert(limits.maxSteps >= 1);
  SequencePlayer player(circuit, limits, record);
  SequenceRun run;
  run.rows.reserve(rows.size());
  for (const std::string& cells : rows) {
    SequenceReading reading;
    if (limits.stop.stop_requested() || !player.Play(cells, reading)) {
      run.stopped = true;
      break;
    }
    run.rows.push_back(std::move(reading));
  }
  return run;
}

}  // namespace tessara
