// When the window's commands work, decided on the form and its undo history. After every
// act the window greys each command by these answers, and its run clock may go only
// while Powered holds.
#pragma once

#include "editor/edit_history.h"
#include "editor/form.h"

namespace tessara {

// The condition under which a command works.
enum class When {
  Always,
  Powered,  // Step Back, Step Forward, Run, and the run clock itself
  CanUndo,  // as EditHistory::CanUndo: not powered, and a step or an edit under way to take back
  CanRedo,  // as EditHistory::CanRedo: not powered, no edit under way, a step undone
};

// True when a command that works `when` works in the form's present state.
bool Works(When when, const Form& form, const EditHistory& history);

}  // namespace tessara
