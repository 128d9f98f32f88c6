#include "editor/refresh.h"

#include <cassert>

namespace tessara {

void Refresh(Form& form) {
  const std::optional<Explanation>& kept = form.why;
  if (form.whyGate &&
      (!kept || kept->slot != *form.whyGate || kept->step != form.history.Current())) {
    assert(!form.history.Empty());
    form.why = Explain(form.doc, form.history, *form.whyGate, form.history.Current());
  }
  DisplayObjects(form, form.screen, WhyHighlight(form), form.showProblems);
}

void ShowProblems_Click(Form& form, bool on) {
  form.showProblems = on;
  Refresh(form);
}

Highlight WhyHighlight(const Form& form) {
  if (!form.whyGate || !form.why) return {};
  return {form.why->gates, form.why->links};
}

void ForgetWhy(Form& form) {
  form.whyGate.reset();
  form.why.reset();
}

}  // namespace tessara
