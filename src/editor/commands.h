// The window's file commands: start-up, File > New, Open, Save, Save As and Exit. New,
// Open and Exit first ask "Save changes to the circuit?" when the circuit has been
// edited since it was started empty, opened or saved.
#pragma once

#include <string>

#include "editor/form.h"

namespace tessara {

// Empties the circuit (tool 0, power off, the Power button reading "Power Up" if it
// was on), forgets the recorded run and what was asked of it, hides every element and
// abandons a link being drawn; no refresh.
void ResetScreen(Form& form);
// Tool 0, ResetScreen, refresh; the empty circuit counts as saved.
void OnWindowOpen(Form& form);
// After the question: ResetScreen, the caption back to "Tessara" and no file.
void OnNew(Form& form);
// After the question: asks for a file (ChooseFileToOpen) and loads it; a cancelled
// dialog does nothing.
void OnOpen(Form& form);
// After the question: ResetScreen, then circuit (a circuit built from algebra) in its
// place, with no file: the caption "Tessara", and the circuit counted as edited, so
// the question comes before it is dropped. Refreshes. Cancel changes nothing.
void NewFromCircuit(Form& form, Document circuit);
// File > Open Example...: as Open, the dialog showing the examples that come with the
// program, example (one of them) offered first.
void OnOpenExample(Form& form, const std::string& example);
// The circuit's file becomes path ("" for none): FilePath, and the caption "Tessara - "
// + path, or "Tessara".
void NameFile(Form& form, const std::string& path);
// True when the circuit has changed since it was started, opened or saved (its revision
// differs from the one recorded then).
bool IsEdited(const Form& form);
// The caption's modified mark, shown while IsEdited; after every act.
void MarkModified(Form& form);
// The question before a command that drops the circuit. True when the command may go
// on: nothing edited, or "No", or "Yes" and the circuit saved (through Save As when
// there is no file). Cancel, or a Save As cancelled or failed, gives false.
bool OnWindowClose(Form& form);
// Loads path into a reset window, captions it "Tessara - " + path, refreshes and takes
// the expected answer beside it (TakeExpectedBeside). A file that cannot be read or is
// damaged shows an "Error" box naming the file, the line and the reason, and changes
// nothing; returns false then.
bool LoadCircuit(Form& form, const std::string& path);
// Save As: asks for a file name (ChooseFileToSave) and saves, captioning the window
// "Tessara - " + path; a cancelled dialog does nothing. A failed save shows an "Error" box and
// keeps the old file and the caption. True when the circuit was saved.
bool OnSave(Form& form);
// Save: writes to the file last opened or saved as Save As would; Save As when there
// is none. True when the circuit was saved.
bool OnSaveAs(Form& form);
}  // namespace tessara
