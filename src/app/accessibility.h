// What the window's own elements are to screen readers (through Qt's accessibility, to
// AT-SPI on Linux): the canvas a canvas whose focus is the gate the keyboard is on and
// whose children are the gates and bends shown; a gate image or node marker a graphic
// named by the refresh, its value 0 or 1 among the name's words while powered; a palette
// button a radio button that offers "press", checked while its tool is chosen; the trash
// can a button that offers "press". Qt's own widgets (buttons, labels, tables) speak for
// themselves.
#pragma once

namespace tessara::app {

// Installs the interfaces above for every element made since or after; once is enough.
void InstallAccessibility();

}  // namespace tessara::app
