// The keyboard's focus on a push button, drawn so that it shows: a dotted frame inside
// the button while it has the focus that Tab or Shift+Tab gave it (Fusion's own mark, a
// faint blue edge, is lost on the window's teal). A click gives no frame.
#pragma once

class QWidget;

namespace tessara::app {

// Frames the keyboard's focus on every push button under root, made so far.
void FrameKeyboardFocus(QWidget& root);

}  // namespace tessara::app
