// The tool palette and the pointer over the canvas.
#pragma once

#include "editor/form.h"

namespace tessara {

// Each button makes its tool (view/tools.h) current and refreshes; every tool but the
// cross first puts the images in manual drag mode (SetManualDrag).
void CrossButton_Click(Form& form);
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

// Pointer over the canvas at (X, Y) twips: the tool cursor while not powered, and
// MouseX, MouseY recorded always.
void Tessara_Frame_MouseMove(Form& form, Single X, Single Y);
// Pointer over the bare window background: the default arrow.
void Form_MouseMove(Form& form);

}  // namespace tessara
