// Presses on the bare canvas: placing gates, and the link tool's bend points.
#pragma once

#include "editor/form.h"

namespace tessara {

// Places a gate of the current tool's kind centred on (MouseX, MouseY), or adds a
// node to the link being drawn; nothing while powered or with no gate tool. A full
// circuit, or the link tool with no link being drawn, shows an "Error" box.
void OnCanvasPress(Form& form);
void OnCanvasRelease(Form& form);

}  // namespace tessara
