// The full refresh: the one writer of every element's position, picture, text and
// visibility (the reset's hiding aside), of the keyboard's marks and of what a screen
// reader hears. Calling DisplayObjects twice changes nothing.
#pragma once

#include <optional>

#include "model/document.h"
#include "view/scene.h"
#include "view/screen.h"

namespace tessara {

// Rewrites every gate image, node marker, value label and link line from the model
// (a line's value is its source's output while powered, else none), puts the border
// on the current tool's palette button, frames the keyboard's focus, puts the
// cross-hair on the keyboard cursor, and gives the canvas, the gates and the bends
// what they say (view/spoken.h).
void DisplayObjects(const Scene& scene, Screen& screen);

// The picture of ObjImage(index) from the gate's kind and orientation, inputs and
// outputs included; a node, an empty slot or a gate's orientation outside 0..3
// leaves the picture as it was (an input or output then shows orientation 0's).
void SetGateImage(const Document& doc, Screen& screen, Integer index);
struct TwipsXY {
  Single x, y;
};
// Where gate g's output pin lies: the middle of its output side; nothing for an
// orientation outside 0..3.
std::optional<TwipsXY> OutputPin(const gate& g);
// Where the segment in link slot index starts: its source's output pin, or its
// node's corner; nothing for an orientation outside 0..3.
std::optional<TwipsXY> LineStart(const Document& doc, Integer index);
// X1, Y1 of LinkLine(index) at the source's output pin or node corner; an
// orientation outside 0..3 leaves them as they were. Requires the link's gate slots
// in 0..50, as the editor and the file reader guarantee.
void SetLineStart(const Document& doc, Screen& screen, Integer index);
// X2, Y2 of LinkLine(index) at the target's input pin or node corner; likewise.
void SetLineStop(const Document& doc, Screen& screen, Integer index);
// txtObjValue(index): hidden unless powered, else "0"/"1" beside the gate's output.
void DisplayValue(const Document& doc, Screen& screen, Integer index);

// The elements' half of the reset: every element and the focus rectangle hidden, gate
// images automatic, the canvas named as an empty circuit; node markers keep their drag
// mode and the cross-hair stays.
void ResetElements(Screen& screen);

}  // namespace tessara
