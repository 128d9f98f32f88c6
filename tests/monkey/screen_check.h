// What must hold after every action, whatever the action was: the window's state
// within its limits, and every element of the real window showing that state as a
// full refresh leaves it. Each check returns one sentence per fault found.
#pragma once

#include <string>
#include <vector>

#include "editor/form.h"

namespace tessara::app {

class WindowProbe;

// Gate slots hold kinds 0 or 2..10, a used slot never the empty kind; every link
// names gate slots, link slots and input numbers in range; the link being drawn is
// sound; tool, egg counter and flags within their values.
std::vector<std::string> CheckModel(const Form& form);

// Images, node markers, value labels, link lines, the palette border, the Power
// caption, the pointer and the drag outline, through the real widgets and through
// the Screen getters. The palette border may stand on laggingTool's button instead
// of the current tool's (File > New leaves it to the next refresh); pass -1 for none.
std::vector<std::string> CheckScreen(const Form& form, const WindowProbe& probe,
                                     Long laggingTool);

// Whether the palette border stands on exactly the button of tool (none for a code
// no button chooses).
bool PaletteShows(const WindowProbe& probe, Long tool);

// After a propagation step: every node fed by a segment shows its feeder's value.
std::vector<std::string> CheckNodesFollowTheirFeeders(const Form& form);

}  // namespace tessara::app
