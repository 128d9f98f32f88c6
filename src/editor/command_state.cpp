#include "editor/command_state.h"

namespace tessara {

bool Works(When when, const Form& form, const EditHistory& history) {
  switch (when) {
    case When::Always:
      return true;
    case When::Powered:
      return form.doc.PowerOn;
    case When::CanUndo:
      return history.CanUndo(form);
    case When::CanRedo:
      return history.CanRedo(form);
  }
  return false;
}

}  // namespace tessara
