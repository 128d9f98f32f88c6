// The refresh every handler ends with, from the form: the Why window's explanation
// brought up to date with the run, then DrawCircuit with its gates and links
// highlighted, the tags of the gates the truth table's expressions name, and the problem
// marks as Options > Show Problems says. The explanation
// lives on the form (whyGate, why) from a press on a value label until an edit or Power
// Up (ForgetChangedRun, StartRun), New or Open, or the Why window's closing.
#pragma once

#include "editor/form.h"
#include "view/display.h"

namespace tessara {

// Explains whyGate at the run's current step when the kept explanation is of another
// gate or step (some tens of microseconds, under a millisecond after 10,000 steps);
// then rewrites every element (DrawCircuit). Requires a recorded run while a gate is
// asked about.
void Refresh(Form& form);

// What the refresh highlights: the explanation's gates and links (nothing without one),
// and the gates the expressions name by their tags.
Highlight RefreshHighlight(const Form& form);

// Options > Show Problems turned on or off: the marks shown or hidden; refreshes.
void OnShowProblems(Form& form, bool on);

// The truth table window's expressions name the gates tagged by their tags (none once
// it closes): the canvas shows those tags; refreshes.
void ShowExpressionTags(Form& form, SlotSet tagged);

// No gate asked about, no explanation; no refresh.
void ForgetWhy(Form& form);

}  // namespace tessara
