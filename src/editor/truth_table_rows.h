// A click on a row of the truth table window: the circuit on the canvas runs that row.
#pragma once

#include "editor/form.h"

namespace tessara {

// Sets the circuit's inputs to row `row` of its truth table (binary counting order, I1
// the top bit) on the start the table assumes: a powered circuit is powered down, every
// signal goes back to False, each input that is 1 in the row is toggled on, and
// OnPower powers up, so that this start is step 0 of a fresh run and K prop steps
// later the step counter reads K, as the row's "settles after K steps" does. Ends with
// a refresh.
// Requires a row of the table: at most kMaxTableInputs inputs and row < 2^inputs.
void OnTruthTableRow(Form& form, unsigned row);

}  // namespace tessara
