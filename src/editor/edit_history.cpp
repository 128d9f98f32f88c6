#include "editor/edit_history.h"

#include "editor/refresh.h"
#include "editor/stepping.h"

namespace tessara {
namespace {

// A handler that left the circuit as before keeps before's revision; the saved file and
// the run it named under its new one (an Open of an empty file) name the kept one.
void KeepRevision(Form& form, const Document& before) {
  const std::uint64_t changed = form.doc.Revision();
  form.doc.TakeRevision(before);
  for (std::uint64_t* named : {&form.savedRevision, &form.runRevision}) {
    if (*named == changed) *named = form.doc.Revision();
  }
}

}  // namespace

EditHistory::Snapshot EditHistory::Take(const Form& form) {
  return {form.doc.Clone(), form.screen.Caption(), form.FilePath, form.savedRevision};
}

void EditHistory::Restore(Form& form, const Snapshot& to, const Snapshot& from) {
  const std::int32_t tool = form.doc.CurrentTool;
  // The signals put back are not a run's: only a cancel while powered comes here powered.
  if (form.doc.PowerOn) form.screen.SetPowerCaption(PowerUpCaption());
  form.doc = to.doc.Clone();
  form.doc.CurrentTool = tool;
  form.doc.PowerOn = false;
  form.LinkStarted = 0;
  form.keys.carrying = false;
  if (to.caption != from.caption || to.path != from.path) {
    form.screen.SetCaption(to.caption);
    form.FilePath = to.path;
    form.savedRevision = to.savedRevision;
  }
  Refresh(form);
}

void EditHistory::Close(Form& form) {
  Snapshot after = Take(form);
  Snapshot before = std::move(*open_);
  open_.reset();
  if (after.doc.SameCircuit(before.doc)) return KeepRevision(form, before.doc);
  undo_.push_back({std::move(before), std::move(after)});
  redo_.clear();
}

void EditHistory::CancelLink(Form& form) {
  if (!form.EditUnderWay() || !open_) return;
  ++moves_;
  Restore(form, *open_, *open_);
  open_.reset();
}

void EditHistory::Undo(Form& form) {
  if (form.doc.PowerOn) return;
  if (form.EditUnderWay() && open_) return CancelLink(form);
  ++moves_;
  open_.reset();
  if (undo_.empty()) return;
  Step step = std::move(undo_.back());
  undo_.pop_back();
  Restore(form, step.before, step.after);
  redo_.push_back(std::move(step));
}

void EditHistory::Redo(Form& form) {
  if (!CanRedo(form)) return;
  ++moves_;
  open_.reset();
  Step step = std::move(redo_.back());
  redo_.pop_back();
  Restore(form, step.after, step.before);
  undo_.push_back(std::move(step));
}

bool EditHistory::CanUndo(const Form& form) const {
  return !form.doc.PowerOn && (!undo_.empty() || form.EditUnderWay());
}

bool EditHistory::CanRedo(const Form& form) const {
  return !form.doc.PowerOn && !form.EditUnderWay() && !redo_.empty();
}

}  // namespace tessara
