#include "editor/truth_table_rows.h"

#include <cassert>

#include "editor/linking.h"
#include "editor/stepping.h"
#include "sim/sim_state.h"
#include "sim/terminals.h"
#include "sim/truth_table.h"

namespace tessara {

void TruthTableRow_Click(Form& form, unsigned row) {
  if (form.doc.PowerOn) Power_Click(form);
  RestoreState(form.doc, SimState{});
  Power_Click(form);
  const std::vector<Integer> inputs = FindTerminals(form.doc).inputs;
  const std::size_t n = inputs.size();
  assert(n <= kMaxTableInputs && row >> n == 0);
  for (std::size_t k = 0; k < n; ++k) {
    if (row >> (n - 1 - k) & 1u) ObjImage_MouseDown(form, inputs[k], 0, 0);
  }
}

}  // namespace tessara
