#include "editor/why.h"

#include <cassert>

#include "editor/refresh.h"
#include "editor/stepping.h"

namespace tessara {
namespace {

bool IsExplainable(const gate& g) { return g.GetUsed() && g.GetType() != kBufferGate; }

}  // namespace

void txtObjValue_Click(Form& form, Integer Index) {
  if (!form.doc.PowerOn || !IsExplainable(form.doc.Gates(Index))) return;
  form.whyGate = Index;
  Refresh(form);
}

void WhyLine_Click(Form& form, Integer slot, std::size_t step) {
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
