// The main window's state, owned for the whole run: the scene the refresh shows (the
// circuit document, its run and the keyboard's marks) and the editor's own state. The
// handlers of editor/ act on it and end with one refresh.
#pragma once

#include <string>

#include "view/scene.h"
#include "view/screen.h"

namespace tessara {

struct Form : Scene {
  explicit Form(Screen& s) : screen(s) {}

  // An edit of several presses under way, one undo step from its first press to its
  // last: a link being drawn, or a gate the keyboard carries.
  bool EditUnderWay() const { return LinkStarted == 1 || keys.carrying; }

  Screen& screen;

  Single MouseX = 0, MouseY = 0;  // pointer at the last move over the canvas, twips
  Single GrabX = 0, GrabY = 0;    // last press on a gate image or node marker, from its corner
  Integer LinkStarted = 0;        // 1 while segment CurrentLink waits for its end
  Integer CurrentLink = 0;        // link slot of the segment being drawn
  Integer EggCounter = 0;         // which riddle a node's double-click shows next

  std::string FilePath;    // the file last opened or saved; "" for a circuit started empty
  std::string SavedText;   // the circuit's file text when it was started, opened or saved
  std::string runCircuit;  // the circuit's saved text when the run in `history` began
};

}  // namespace tessara
