// The powered run: Power and "prop", the run's steps recorded as they happen, Step
// Back and Step Forward along them, and the run forgotten when its circuit changes.
#pragma once

#include <cstddef>

#include "editor/form.h"

namespace tessara {

// The Power button's caption while unpowered, "Power Up" (the window starts with its own).
Phrase PowerUpCaption();

// Switches power; switching on puts every gate image in manual drag mode and the
// pointer to the arrow and begins a new recorded run. Refreshes.
void OnPower(Form& form);
// One propagation step, recorded while powered, then a refresh.
void OnProp(Form& form);

// Begins a new run at the document's state as step 0 (at Power Up); nothing is asked
// of it yet (editor/why.h).
void StartRun(Form& form);
// Records the document's state as the run's next step while powered; after a step
// back it drops the steps ahead.
void RecordStep(Form& form, StepCause cause, std::int16_t slot = 0);
// Forgets the run when the circuit (kinds, places, links) is no longer the one it
// was recorded on; while powered (a gate turned), a new run begins there instead, and
// a refresh. Either way what was asked of the run goes too, refreshed away.
// Run after every action: one revision compared.
void ForgetChangedRun(Form& form);

// While powered: puts the circuit back to the step before the current one and
// refreshes; at the first kept step it changes nothing.
void OnStepBack(Form& form);
// While powered: moves to the next recorded step, or past the last one takes a new
// prop step; refreshes.
void OnStepForward(Form& form);
// While powered: moves to recorded step n (as Step Back or Forward repeated would)
// and refreshes; a step not kept changes nothing.
void GoToStep(Form& form, std::size_t n);

}  // namespace tessara
