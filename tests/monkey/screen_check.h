// What must hold after every action, whatever the action was: the circuit within its
// limits, and the real window showing it. Each check returns one sentence per fault.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "editor/form.h"

namespace tessara::app {

class WindowProbe;

// The border style of each palette button, in PaletteButton order.
using PaletteBorders = std::array<int, kPaletteButtonCount>;
PaletteBorders Borders(Screen& screen);

// Gate slots hold kinds 0 or 2..10, a used slot never the empty kind; every link in
// use names gate slots 0..50 and input 0..2; LinkStarted is 0 or 1 and CurrentLink
// a slot.
std::vector<std::string> CheckModel(const Form& form);

// The window against a full refresh of its circuit on a stand-in screen: every
// element shown or hidden alike; a shown one with the refresh's twips, picture and
// text through its Screen getters, its widget at the nearest pixel showing that text.
// Also the Power caption against the power, and no drag outline, menu or modal window
// left open. The palette may still show lagging instead of the refresh's borders
// (File > New leaves it to the next refresh); lagging is cleared once it does not.
std::vector<std::string> CheckScreen(const Form& form, const WindowProbe& probe,
                                     std::optional<PaletteBorders>& lagging);

}  // namespace tessara::app
