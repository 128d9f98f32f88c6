// Everything the refresh shows: the circuit, the run recorded on it, and the keyboard's
// marks on the canvas. The window's form is a scene with the editor's own state beside.
#pragma once

#include <optional>

#include "model/document.h"
#include "sim/run_history.h"

namespace tessara {

// The keyboard's place on the canvas: the gate or bend it is on (the focus), the
// cross-hair where Enter places and B bends (the cursor, in canvas twips), and whether
// the focused gate is being carried to the cursor (moving, until Enter puts it down).
// A focus on a slot no longer in use counts as no focus.
struct KeyboardMarks {
  std::optional<std::int16_t> focus;
  float cursorX = 4500, cursorY = 4050;  // near the middle of the canvas at start
  bool carrying = false;
};

struct Scene {
  Document doc;        // Gates, Links, CurrentTool, PowerOn
  RunHistory history;  // the latest powered run, kept after Power Down
  KeyboardMarks keys;
};

// The gate or bend the keyboard is on, when the focus is on a slot in use.
inline std::optional<std::int16_t> FocusedSlot(const Scene& scene) {
  const std::optional<std::int16_t> focus = scene.keys.focus;
  return focus && scene.doc.Gates(*focus).GetUsed() ? focus : std::nullopt;
}

}  // namespace tessara
