// Undo and redo for the window. The history records around a handler, never inside
// one: before a handler runs it holds a copy of the document, after it runs it
// compares the circuit's file text, and a change becomes one step holding both
// copies. A link is one step from its first press to the press that finishes it, and
// a gate the keyboard carries one step from M to Enter: while an edit is under way
// (Form::EditUnderWay) the step stays open.
//
// Guarantees: an undo puts back the document exactly (every slot's kind, place, use,
// orientation and signals, every link segment), so the file text after an undo is
// byte for byte the text before the edit; a redo puts back the text after it. A step
// that changed the window's file (Open, New) also brings back the caption, the file
// and its saved text. The tool and the power are never changed by an undo or redo.
// Unlimited: a step costs two copies of a document, a few kilobytes. An undo or redo
// costs one copy and one refresh, well under a millisecond.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "editor/form.h"

namespace tessara {

class EditHistory {
 public:
  // Runs handler(form) and records it as described above. A handler that undoes or
  // redoes is not recorded itself.
  template <typename Handler>
  void Record(Form& form, Handler&& handler) {
    if (!open_) open_ = Take(form);
    const int moves = moves_;
    handler(form);
    if (moves_ != moves || form.EditUnderWay()) return;
    Close(form);
  }

  // Nothing while powered. While an edit is under way, cancels it (CancelLink);
  // otherwise takes back the last step. Refreshes.
  void Undo(Form& form);
  // While an edit is under way, puts the circuit back as it was before its first
  // press (every bend made for a link gone, a carried gate back in its place), ends
  // it, and refreshes; otherwise nothing.
  void CancelLink(Form& form);
  // Nothing while powered or while an edit is under way; otherwise does the step
  // last undone again. Refreshes.
  void Redo(Form& form);

  bool CanUndo(const Form& form) const;
  bool CanRedo(const Form& form) const;

 private:
  struct Snapshot {
    Document doc;
    std::string caption, path, savedText;
  };
  struct Step {
    Snapshot before, after;
  };

  static Snapshot Take(const Form& form);
  // Puts the circuit of to back into form; the caption and file too when they differ
  // from those of from.
  static void Restore(Form& form, const Snapshot& to, const Snapshot& from);
  void Close(Form& form);

  std::vector<Step> undo_, redo_;
  std::optional<Snapshot> open_;  // the state before the step under way
  int moves_ = 0;                 // counts undos and redos
};

}  // namespace tessara
