// Asking why a gate holds its value (sim/explanation.h): a press on its value label, a
// click on a line of the Why window, and the window's closing. What is asked lives on
// the form (editor/refresh.h); the Why window shows it.
#pragma once

#include <cstddef>

#include "editor/form.h"

namespace tessara {

// While powered, a press on the value label of gate Index (no node) asks why it holds
// its value at the run's current step, refreshes and returns OpenWhy. Otherwise
// nothing, and returns Nothing.
Follows OnValuePress(Form& form, std::int16_t Index);
// A line about gate slot at step: while powered and with a gate asked about, moves the
// run to step as GoToStep does and asks about slot there. A step not kept changes
// nothing. Requires slot a used gate that is no node, as every line's gate is.
void OnWhyLine(Form& form, std::int16_t slot, std::size_t step);
// The Why window closed (or Escape): nothing asked any more, nothing highlighted.
void WhyWindow_Close(Form& form);

}  // namespace tessara
