// The window's commands: start-up, File > New, Open and Save As, Power and "prop".
#pragma once

#include <string>

#include "editor/form.h"

namespace tessara {

// Empties the circuit and hides every element; no refresh.
void Reset_Screen(Form& form);
// Tool 0, Reset_Screen, refresh.
void Form_Load(Form& form);
// Reset_Screen and nothing else; abandons a link being drawn.
void New_Click(Form& form);
// Asks for a file and loads it. A file that cannot be read or is damaged shows an
// "Error" box naming the file and the reason, and changes nothing.
void Open_Click(Form& form);
// Loads path as Open does once a name is chosen; false when it was refused.
bool LoadCircuit(Form& form, const std::string& path);
// Asks for a file name and saves; a failed save shows an "Error" box, keeps the old
// file and the caption.
void Save_Click(Form& form);
void Power_Click(Form& form);
void prop_Click(Form& form);

}  // namespace tessara
