// The boxes in which the editor refuses what the learner asked, each with its own text
// and icon under the title "Error": a link begun or ended on the wrong half, a press
// that needs a gate, a full circuit, and a file that cannot be opened or saved.
#pragma once

#include <string>

#include "io/circuit_file.h"
#include "view/screen.h"

namespace tessara {

enum class Refusal {
  StartWithOutput,  // a link begun on an input half
  FinishWithInput,  // a link ended on an output half
  ClickOnGates,     // the link tool pressed on the bare canvas before a link is begun
  NoRoomForGate,    // no free gate slot for a gate or a link's bend
  NoRoomForLink,    // no free link slot
};

// Shows the refusal's box; returns when it is closed.
void ShowRefusal(Screen& screen, Refusal refusal);

// A file's trouble in a learner's words: what could not be done to which file, then the
// line (when one applies) and the reason on a line of their own:
// "Cannot open \"<path>\":\nline 7: <reason>".
void RefuseOpen(Screen& screen, const std::string& path, const FileError& error);
void RefuseSave(Screen& screen, const std::string& path, const FileError& error);

}  // namespace tessara
