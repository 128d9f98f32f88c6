// The tool palette and the pointer over the canvas.
#pragma once

#include "editor/form.h"

namespace tessara {

// The cross (view/tools.h): tool 0 and a refresh, which moves the border to its button.
// Drag modes stay as they are (automatic after New or Open, manual after any other tool).
void CrossButton_Click(Form& form);
// Every other button: its tool (the link tool 1, or the kind code of the gate it
// places), every gate image and node marker in manual drag mode (SetManualDrag) so
// that presses reach the handlers, and a refresh. Powered or not, and a link being
// drawn goes on.
void LinkButton_Click(Form& form);
void AndGateButton_Click(Form& form);
void OrGateButton_Click(Form& form);
void NotGateButton_Click(Form& form);
void InputButton_Click(Form& form);
void OutputButton_Click(Form& form);
void NandGateButton_Click(Form& form);
void NorGateButton_Click(Form& form);
void XorGateButton_Click(Form& form);
// What each of those does, by its button.
void ChooseTool(Form& form, PaletteButton button);

// Every gate image and node marker to manual drag mode, then a refresh.
void SetManualDrag(Form& form);

// Pointer over the canvas at (X, Y) twips: the current tool's cursor while not
// powered (while powered the pointer is left alone), and MouseX, MouseY recorded
// always.
void Tessara_Frame_MouseMove(Form& form, Single X, Single Y);
// Pointer over the bare window background: the default arrow.
void Form_MouseMove(Form& form);

}  // namespace tessara
