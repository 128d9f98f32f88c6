#include "app/companion_context.h"

#include "app/run_clock.h"
#include "editor/command_state.h"
#include "editor/commands.h"
#include "editor/stepping.h"

namespace tessara::app {

CompanionContext::CompanionContext(Form& form, EditHistory& history, RunClock& clock, QWidget& main)
    : form_(form), history_(history), clock_(clock), main_(main) {}

void CompanionContext::Act(const Handler& handler) {
  history_.Record(form_, handler);
  ForgetChangedRun(form_);
  MarkModified(form_);
  clock_.Allow(Works(When::Powered, form_, history_));
  emit acted();
}

Follows CompanionContext::ActThen(const std::function<Follows(Form&)>& handler) {
  Follows follows = Follows::Nothing;
  Act([&](Form& form) { follows = handler(form); });
  return follows;
}

void CompanionContext::GoToStep(std::size_t n) {
  Act([n](Form& form) { tessara::GoToStep(form, n); });
}

}  // namespace tessara::app
