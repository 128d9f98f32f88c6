#include "editor/stepping.h"

#include "editor/refresh.h"
#include "sim/propagation.h"

namespace tessara {

Phrase PowerUpCaption() { return Words("Editor", TESSARA_PHRASE("Editor", "Power Up")); }

void OnPower(Form& form) {
  if (form.doc.PowerOn) {
    form.doc.PowerOn = false;
    form.screen.SetPowerCaption(PowerUpCaption());
  } else {
    form.doc.PowerOn = true;
    form.screen.SetPowerCaption(Words("Editor", TESSARA_PHRASE("Editor", "Power Down")));
    for (std::int16_t i = 0; i < kSlotCount; ++i)
      form.screen.GateImage(i).SetDragMode(DragMode::Manual);
    form.screen.SetDefaultPointer();
    StartRun(form);
  }
  Refresh(form);
}

void OnProp(Form& form) {
  PropStep(form.doc);
  RecordStep(form, StepCause::Prop);
  Refresh(form);
}

void StartRun(Form& form) {
  ForgetWhy(form);
  form.history.Start(CaptureState(form.doc));
  form.runRevision = form.doc.Revision();
}

void RecordStep(Form& form, StepCause cause, std::int16_t slot) {
  if (form.doc.PowerOn) form.history.Record(CaptureState(form.doc), cause, slot);
}

void ForgetChangedRun(Form& form) {
  if (form.history.Empty() || form.doc.Revision() == form.runRevision) return;
  const bool asked = form.whyGate.has_value();
  if (form.doc.PowerOn) {
    StartRun(form);
  } else {
    form.history.Clear();
    ForgetWhy(form);
  }
  // The canvas tells the new run's step; an explanation's highlight goes with the run.
  if (form.doc.PowerOn || asked) Refresh(form);
}

void GoToStep(Form& form, std::size_t n) {
  if (!form.doc.PowerOn || !form.history.GoTo(n)) return;
  RestoreState(form.doc, form.history.Step(n).state);
  Refresh(form);
}

void OnStepBack(Form& form) {
  if (form.history.Current() > form.history.First()) GoToStep(form, form.history.Current() - 1);
}

void OnStepForward(Form& form) {
  if (!form.doc.PowerOn) return;
  if (form.history.AtEnd()) {
    OnProp(form);
  } else {
    GoToStep(form, form.history.Current() + 1);
  }
}

}  // namespace tessara
