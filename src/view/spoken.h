// What a screen reader hears of the canvas and of each gate and bend on it, made from
// the scene: a gate "AND gate 3, output 1, inputs from I1 and NOT 4, drives O2", a
// circuit input "input I1, 0", a circuit output "output O2, 1, input from AND 3", a bend
// "bend in the link from I1 to AND 3, 1", the canvas "circuit: 5 gates, 2 inputs, 2
// outputs, powered, step 4". Values are told only while the circuit is powered. Gates
// are named as the timeline names them (sim/signal_rows.h) and sources are found back
// through the bends (sim/drivers.h); an input place no link reaches is "nothing".
#pragma once

#include <array>
#include <vector>

#include "sim/signal_rows.h"
#include "view/scene.h"
#include "view/screen.h"

namespace tessara {

// What every slot says, [slot]; a slot not in use says nothing. Requires rows to be
// SignalRows(scene.doc). One pass over the links and the rows for all 51, a few
// microseconds.
std::array<Spoken, kSlotCount> SpokenSlots(const Scene& scene, const std::vector<SignalRow>& rows);

// The canvas: how many logic gates, inputs and outputs, and the power with the run's
// current step.
Phrase SpokenCanvas(const Scene& scene);

}  // namespace tessara
