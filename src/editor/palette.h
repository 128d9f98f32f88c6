// The tool palette and the pointer over the canvas.
#pragma once

#include "editor/form.h"

namespace tessara {

// The cross (view/tools.h): tool 0 and a refresh, which moves the border to its button.
// Drag modes stay as they are (automatic after New or Open, manual after any other tool).
void OnSelectTool(Form& form);
// Every other button: its tool (the link tool 1, or the kind code of the gate it
// places), every gate image and node marker in manual drag mode (SetManualDrag) so
// that presses reach the handlers, and a refresh. Powered or not, and a link being
// drawn goes on.
void OnLinkTool(Form& form);
void OnAndTool(Form& form);
void OnOrTool(Form& form);
void OnNotTool(Form& form);
void OnInputTool(Form& form);
void OnOutputTool(Form& form);
void OnNandTool(Form& form);
void OnNorTool(Form& form);
void OnXorTool(Form& form);
// What each of those does, by its button.
void ChooseTool(Form& form, PaletteButton button);

// Every gate image and node marker to manual drag mode, then a refresh.
void SetManualDrag(Form& form);

// Pointer over the canvas: the current tool's cursor while not powered (while powered
// the pointer is left alone).
void OnCanvasMove(Form& form);
// Pointer over the bare window background: the default arrow.
void OnWindowPointerMove(Form& form);

}  // namespace tessara
