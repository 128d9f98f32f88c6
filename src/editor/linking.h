// Presses on gate images: starting drags, toggling inputs while powered, and drawing
// links from an output through nodes to an input.
#pragma once

#include "editor/form.h"

namespace tessara {

// Press at (X, Y) twips from the corner of gate image Index: drags it from that point
// with the cross tool while not powered, toggles an input while powered, takes a link
// step with the link tool; then a refresh. A full circuit refuses a new link with an
// "Error" box.
void OnGatePress(Form& form, std::int16_t Index, float X, float Y);

// 1 when (x, y) lies on the output half of gate index's cell, else 0.
std::int32_t IsOutputSide(const Form& form, float x, float y, std::int16_t index);
// The input number, 0 or 1, that (x, y) on gate index's input half chooses.
std::int16_t GetClickedInput(const Form& form, float x, float y, std::int16_t index);

// A canvas press at (X, Y) with the link tool while a link is being drawn: a node there
// closes the current segment and opens the next. Without a free gate slot and a second
// free link slot it shows an "Error" box and changes nothing.
void AddNode(Form& form, float X, float Y);

}  // namespace tessara
