#include "editor/truth_table_rows.h"

#include <cassert>

#include "editor/stepping.h"
#include "sim/propagation.h"
#include "sim/sim_state.h"
#include "sim/terminals.h"
#include "sim/truth_table.h"

namespace tessara {

void OnTruthTableRow(Form& form, unsigned row) {
  if (form.doc.PowerOn) OnPower(form);
  RestoreState(form.doc, SimState{});
  const std::vector<std::int16_t> inputs = FindTerminals(form.doc).inputs;
  assert(inputs.size() <= kMaxTableInputs && row >> inputs.size() == 0);
  const std::string on = RowInputs(row, inputs.size());
  for (std::size_t k = 0; k < inputs.size(); ++k) {
    if (on[k] == '1') ToggleInput(form.doc, inputs[k]);
  }
  OnPower(form);
}

}  // namespace tessara
