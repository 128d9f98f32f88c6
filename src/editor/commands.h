// The window's commands: start-up, File > New, Open and Save As, Power and "prop".
#pragma once

#include <string>

#include "editor/form.h"

namespace tessara {

// Empties the circuit (tool 0, power off, the Power button reading "Power Up" if it
// was on), forgets the recorded run, hides every element and abandons a link being
// drawn; no refresh.
void Reset_Screen(Form& form);
// Tool 0, Reset_Screen, refresh.
void Form_Load(Form& form);
// Reset_Screen and nothing else.
void New_Click(Form& form);
// Asks for a file and loads it; a cancelled dialog does nothing.
void Open_Click(Form& form);
// Loads path into a reset window, captions it "Tessara - " + path and refreshes. A
// file that cannot be read or is damaged shows an "Error" box naming the file, the
// line and the reason, and changes nothing; returns false then.
bool LoadCircuit(Form& form, const std::string& path);
// Asks for a file name and saves, captioning the window "Tessara - " + path; a
// cancelled dialog does nothing. A failed save shows an "Error" box and keeps the
// old file and the caption.
void Save_Click(Form& form);
// Switches power; switching on puts every gate image in manual drag mode and the
// pointer to the arrow and begins a new recorded run. Refreshes.
void Power_Click(Form& form);
// One propagation step, recorded while powered, then a refresh.
void prop_Click(Form& form);

}  // namespace tessara
