// The full refresh: the one writer of every element's position, picture, text and
// visibility (the reset's hiding aside). Calling DisplayObjects twice changes nothing.
#pragma once

#include <optional>
#include <vector>

#include "model/document.h"
#include "sim/drivers.h"
#include "view/screen.h"

namespace tessara {

// What a refresh draws highlighted: the gate images and node markers of the gate
// slots, the link lines of the link slots.
struct Highlight {
  SlotSet gates, links;
};

// Rewrites every gate image, node marker, value label and link line from the model
// (a line's value is its source's output while powered, else none; each circuit input
// and output named I1, O1, ... as sim/terminals.h numbers them), highlights what
// highlight holds and nothing else, sets the problem marks (FindProblemMarks when
// problems are shown and the circuit is not powered, else none), and puts the border on
// the current tool's palette button.
void DisplayObjects(const Document& doc, Screen& screen, const Highlight& highlight = {},
                    bool showProblems = true);

// A mark for each warning of `check` (io/circuit_warnings.h), in the warnings' order,
// where it belongs: a ring at the pin of an input place that is not linked or linked
// more than once (at a node's corner, where links end), and at the end of a link line
// that names an empty slot or a gate as a node; a dashed outline around a gate or node
// that drives nothing; a wider solid outline around a gate turned outside 0..3. A point
// that an orientation outside 0..3 leaves without a place is the gate's corner.
std::vector<ProblemMark> FindProblemMarks(const Document& doc);

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
// Where it stops: its target's input pin, or its node's corner; likewise.
std::optional<TwipsXY> LineStop(const Document& doc, Integer index);
// Where input place `place` of gate g lies: its pin, or a node's corner; nothing for an
// orientation outside 0..3.
std::optional<TwipsXY> InputPlacePoint(const gate& g, int place);
// X1, Y1 of LinkLine(index) at the source's output pin or node corner; an
// orientation outside 0..3 leaves them as they were. Requires the link's gate slots
// in 0..50, as the editor and the file reader guarantee.
void SetLineStart(const Document& doc, Screen& screen, Integer index);
// X2, Y2 of LinkLine(index) at the target's input pin or node corner; likewise.
void SetLineStop(const Document& doc, Screen& screen, Integer index);
// txtObjValue(index): hidden unless powered, else "0"/"1" beside the gate's output.
void DisplayValue(const Document& doc, Screen& screen, Integer index);

// The elements' half of the reset: every element hidden, no problem marks, gate images
// automatic; node markers keep their drag mode.
void ResetElements(Screen& screen);

}  // namespace tessara
