#include "editor/why.h"

#include <cassert>

#include "editor/refresh.h"
#include "editor/stepping.h"

namespace tessara {
namespace {

bool IsExplainable(const Gate& g) { return g.GetUsed() && !HasRole(g, KindRole::Node); }

}  // namespace

Follows OnValuePress(Form& form, std::int16_t Index) {
  if (!form.doc.PowerOn || !IsExplainable(form.doc.Gates(Index))) return Follows::Nothing;
  form.whyGate = Index;
  Refresh(form);
  return Follows::OpenWhy;
}

void OnWhyLine(Form& form, std::int16_t slot, std::size_t step) {
  const RunHistory& history = form.history;
  if (!form.doc.PowerOn || !form.whyGate || step < history.First() || step > history.Last()) return;
  assert(IsExplainable(form.doc.Gates(slot)));
  form.whyGate = slot;
  GoToStep(form, step);
}

void WhyWindow_Close(Form& form) {
  ForgetWhy(form);
  Refresh(form);
}

}  // namespace tessara
