// The editor's refusal for a full circuit, shared by placing gates and drawing links.
#pragma once

#include <string>
#include <string_view>

#include "view/screen.h"

namespace tessara {

// The "Error" box saying the circuit has no room for another thing ("gate", "link").
inline void ShowNoRoom(Screen& screen, std::string_view thing) {
  screen.ShowMessage("Error: The circuit has no room for another " + std::string(thing), "Error",
                     MessageStyle::Stop);
}

}  // namespace tessara
