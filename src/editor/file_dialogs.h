// The file dialogs' rules, below the toolkit: what a dialog of each purpose offers, the
// suffix a bare name gets, and the question before a file is replaced.
//
// Circuits (Open, Save As) offer the circuit file last chosen, else the circuit's own
// file. A timeline picture or values dialog never offers a circuit's name: it offers
// what it chose last for the same circuit, else the circuit's base name with
// "-timeline.png" or "-values.csv" ("timeline.png", "values.csv" for a circuit never
// saved) in the folder it chose last, else the circuit's folder; a circuit picture's
// likewise with "-circuit.png", its filters PNG, PNG at twice the size, SVG and PDF; a
// companion window's picture with "-picture.png".
#pragma once

#include <string>
#include <string_view>

#include "editor/form.h"

namespace tessara {

// The filter "description (patterns)|patterns|" of a dialog, description a literal
// marked in context "Editor"; patterns "*.a;*.b".
Phrase FileFilter(const char* description, std::string_view patterns);
// "All files (*)|*|".
Phrase AnyFileFilter();

// A circuit file to open, from the dialog; "" when cancelled. Files of any name open.
// The dialog offers the last circuit chosen or, given one, offered (a file in the folder
// to show, which is then not remembered as a folder of the learner's own).
std::string ChooseFileToOpen(Form& form, const std::string& offered = {});

// A name to save a file of purpose under. A name chosen without a suffix gets the
// chosen filter's (".cir", ".png" or ".svg", ".csv", ".png", ".svg" or ".pdf"); one with a suffix
// is used as typed. An existing file asks "NAME already exists. Replace it?" (No by default), and
// No shows the dialog again, offering that choice. Returns the full path, or "" when
// the dialog is cancelled; nothing is written here.
std::string ChooseFileToSave(Form& form, FilePurpose purpose);

}  // namespace tessara
