#include "editor/sequence_check.h"

#include <cassert>

#include "editor/refresh.h"
#include "editor/stepping.h"
#include "io/table_text.h"
#include "sim/terminals.h"

namespace tessara {
namespace {

constexpr const char* kContext = "Comparison";

RowMark Mark(std::size_t row, const SequenceReading& got, const SequenceRow& expected,
             const std::vector<std::int16_t>& outputs) {
  RowMark mark{got.step, false, -1, {}};
  for (std::size_t k = 0; k < expected.out.size(); ++k) {
    if (expected.out[k] == 'X' || expected.out[k] == got.row.out[k]) continue;
    mark.differs = true;
    mark.output = outputs[k];
    break;
  }
  const std::string number = std::to_string(row + 1), step = std::to_string(got.step);
  mark.line =
      mark.differs
          ? Words(kContext, TESSARA_PHRASE("Comparison", "Row %1 (step %2): expected %3, got %4"),
                  number, step, Spaced(expected.out), Spaced(got.row.out))
          : Words(kContext, TESSARA_PHRASE("Comparison", "Row %1 (step %2): matches"), number,
                  step);
  return mark;
}

}  // namespace

std::optional<SequenceCheck> CheckSequence(const Sequence& expected, const Document& circuit,
                                           std::stop_token stop) {
  SequenceCheck check;
  const Terminals terminals = FindTerminals(circuit);
  if (auto counts = CountsDiffer(expected.inputs, expected.outputs, terminals.inputs.size(),
                                 terminals.outputs.size())) {
    check.summary = std::move(*counts);
    return check;
  }
  check.run.Start(CaptureState(AsLoaded(circuit)));
  const SequenceRun run = RunSequence(circuit, expected.Inputs(), {kSettleBound, std::move(stop)},
                                      [&](const Document& doc, StepCause cause, std::int16_t slot) {
                                        check.run.Record(CaptureState(doc), cause, slot);
                                      });
  if (run.stopped) return std::nullopt;
  std::size_t differ = 0;
  for (std::size_t row = 0; row < run.rows.size(); ++row) {
    check.marks.push_back(Mark(row, run.rows[row], expected.rows[row], terminals.outputs));
    differ += check.marks.back().differs ? 1 : 0;
  }
  const std::string rows = std::to_string(run.rows.size());
  check.summary = differ == 0
                      ? Words(kContext, TESSARA_PHRASE("Comparison", "All %1 rows match"), rows)
                      : Counted(kContext, TESSARA_COUNTED("Comparison", "%n of %1 rows differ"),
                                static_cast<int>(differ), Name(rows));
  return check;
}

void PlaySequence(Form& form, const SequenceCheck& check) {
  if (!form.doc.PowerOn) OnPower(form);
  StartRun(form);
  form.history = check.run;
  GoToStep(form, form.history.Last());
}

Follows OnSequenceMark(Form& form, const SequenceCheck& check, std::size_t mark) {
  assert(mark < check.marks.size());
  PlaySequence(form, check);
  const RowMark& row = check.marks[mark];
  if (row.differs) form.whyGate = row.output;
  GoToStep(form, row.step);
  return row.differs ? Follows::OpenWhy : Follows::Nothing;
}

}  // namespace tessara
