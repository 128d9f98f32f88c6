// Presses on the bare canvas: placing gates, and the link tool's bend points.
#pragma once

#include "editor/form.h"

namespace tessara {

// A press at (X, Y) twips on the canvas: places a gate of the current tool's kind
// centred there, or adds a node there to the link being drawn; nothing while powered or
// with no gate tool. A full circuit, or the link tool with no link being drawn, shows an
// "Error" box. Refreshes.
void OnCanvasPress(Form& form, float X, float Y);
void OnCanvasRelease(Form& form);

}  // namespace tessara
