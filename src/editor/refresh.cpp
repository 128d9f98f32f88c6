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
  DrawCircuit(form, form.screen, RefreshHighlight(form), form.showProblems);
}

void ShowExpressionTags(Form& form, SlotSet tagged) {
  form.expressionTags = tagged;
  Refresh(form);
}

void OnShowProblems(Form& form, bool on) {
  form.showProblems = on;
  Refresh(form);
}

Highlight RefreshHighlight(const Form& form) {
  Highlight shown;
  shown.tagged = form.expressionTags;
  if (!form.whyGate || !form.why) return shown;
  shown.gates = form.why->gates;
  shown.links = form.why->links;
  return shown;
}

void ForgetWhy(Form& form) {
  form.whyGate.reset();
  form.why.reset();
}

}  // namespace tessara
