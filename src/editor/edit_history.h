// Undo and redo for the window. The history records around a handler, never inside
// one: before the first handler of a step runs it takes a snapshot (a copy of the
// document with its revision, the caption, the file and its saved revision); after the handler it
// compares the two circuits (Document::SameCircuit: every slot's kind, place, use and orientation,
// every link segment), and a change becomes one step holding both snapshots; a handler that changed
// nothing leaves the document its revision of before. Signals, the tool, the power and the file
// alone (a Save As) make no step; nor does an Open or New that leaves the circuit as it was. A link
// is one step from its first press to the press that finishes it, and a gate the keyboard carries
// one step from M to Enter: while an edit is under way (Form::EditUnderWay) the step stays open.
//
// Guarantees: an undo puts back the document exactly (every slot's kind, place, use,
// orientation and signals, every link segment), so the file text after an undo is
// byte for byte the text before the edit; a redo puts back the document after it.
// When a step's two snapshots differ in caption or file (an Open, or a New after a
// file), the caption, the file and its saved revision come back with the circuit. Undo
// and redo do nothing while powered and keep the tool; while a link is being drawn an
// undo only cancels it and a redo does nothing. Each that acts ends with one refresh.
// A new step drops the steps undone.
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
  // it, and refreshes; otherwise nothing. A circuit powered up meanwhile comes back
  // powered down, its Power button saying so.
  void CancelLink(Form& form);
  // Nothing while powered or while an edit is under way; otherwise does the step
  // last undone again. Refreshes.
  void Redo(Form& form);

  bool CanUndo(const Form& form) const;
  bool CanRedo(const Form& form) const;

 private:
  struct Snapshot {
    Document doc;
    Phrase caption;
    std::string path;
    std::uint64_t savedRevision = 0;
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
