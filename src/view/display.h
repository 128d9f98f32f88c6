// The full refresh: the one writer of every element's position, picture, text, value
// and visibility (the reset's hiding aside), of the keyboard's marks and of what a
// screen reader hears. What it shows depends on the scene
// alone, never on what the elements showed before: calling DrawCircuit twice, or
// on a screen that showed another circuit, shows the same. (A gate turned outside
// 0..3, which only a file can hold, is the exception: its picture, label and pins
// keep what they showed.) It never changes a drag mode, the pointer or a caption.
#pragma once

#include <optional>
#include <vector>

#include "model/document.h"
#include "sim/drivers.h"
#include "view/scene.h"
#include "view/screen.h"

namespace tessara {

// What a refresh draws highlighted: the gate images and node markers of the gate
// slots, the link lines of the link slots.
struct Highlight {
  SlotSet gates, links;
  SlotSet tagged;  // gates named by their tags though not highlighted
};

// Rewrites every element of the four pools from the scene's document, the palette's
// borders, the keyboard's marks and what screen readers hear:
//   - gate slot i unused: GateImage(i), NodeMarker(i) and ValueLabel(i) hidden;
//   - a node: its marker NodeMarker(i) shown at the node's corner, GateImage(i) hidden;
//   - any other kind: GateImage(i) shown at the gate's corner with its picture
//     (SetGateImage), NodeMarker(i) hidden; a circuit input or output named I1, O1, ... as
//     sim/terminals.h numbers them, a logic gate named by its tag ("g3",
//     io/learner_words.h) while it is highlighted or tagged or a problem mark shown is
//     about it,
//     every other image unnamed;
//   - a used slot's label as DisplayValue shows it;
//   - link slot j unused: LinkLine(j) hidden; used: shown from SetLineStart to
//     SetLineStop, its value the source's output while powered, else none;
//   - the images, markers and lines of highlight highlighted, every other one not;
//   - the problem marks: FindProblemMarks when showProblems and the circuit is not
//     powered, else none;
//   - every palette border 0, then 1 on the current tool's button (none for tool 7,
//     which no button chooses, or a code outside 0..10);
//   - the focus rectangle around the keyboard's focus, the cross-hair on its cursor;
//   - the canvas, the gates and the bends given what they say (view/spoken.h).
// Requires every used link's gate slots in 0..50, as the editor and the file reader
// guarantee. Costs one pass over the 51 gate slots and the 51 link slots, and the
// warnings' check when marks are shown.
void DrawCircuit(const Scene& scene, Screen& screen, const Highlight& highlight = {},
                 bool showProblems = true);

// A mark for each warning of `check` (io/circuit_warnings.h), in the warnings' order,
// where it belongs: a ring at the pin of an input place that is not linked or linked
// more than once (at a node's corner, where links end), and at the end of a link line
// that names an empty slot or a gate as a node; a dashed outline around a gate or node
// that drives nothing; a wider solid outline around a gate turned outside 0..3. A point
// that an orientation outside 0..3 leaves without a place is the gate's corner.
std::vector<ProblemMark> FindProblemMarks(const Document& doc);

// The picture of GateImage(index) from the gate's kind and orientation, inputs and
// outputs included; a node, an empty slot or a gate's orientation outside 0..3
// leaves the picture as it was (an input or output then shows orientation 0's).
void SetGateImage(const Document& doc, Screen& screen, std::int16_t index);
struct TwipsXY {
  float x, y;
};
// Where gate g's output pin lies: the middle of its output side; nothing for an
// orientation outside 0..3.
std::optional<TwipsXY> OutputPin(const Gate& g);
// Where the segment in link slot index starts: its source's output pin, or its
// node's corner; nothing for an orientation outside 0..3. Requires the link's
// Source in 0..50.
std::optional<TwipsXY> LineStart(const Document& doc, std::int16_t index);
// Where it stops: its target's input pin, or its node's corner; likewise.
std::optional<TwipsXY> LineStop(const Document& doc, std::int16_t index);
// Where input place `place` of gate g lies: its pin, or a node's corner; nothing for an
// orientation outside 0..3.
std::optional<TwipsXY> InputPlacePoint(const Gate& g, int place);
// X1, Y1 of LinkLine(index) at the source's output pin or node corner; an
// orientation outside 0..3 leaves them as they were. Requires the link's Source
// in 0..50.
void SetLineStart(const Document& doc, Screen& screen, std::int16_t index);
// X2, Y2 of LinkLine(index) at the target's input pin or node corner; likewise.
// Requires the link's Target in 0..50.
void SetLineStop(const Document& doc, Screen& screen, std::int16_t index);
// ValueLabel(index): hidden unless powered; while powered shown with "0" or "1", the
// gate's current output, beside its output side (see value_label.cpp); an orientation
// outside 0..3 leaves the label's place as it was.
void DisplayValue(const Document& doc, Screen& screen, std::int16_t index);

// The elements' half of the reset: every element and the focus rectangle hidden, no
// problem marks, gate images automatic, the canvas named as an empty circuit; node
// markers keep their drag mode and the cross-hair stays. The palette and the captions
// are left as they are.
void ResetElements(Screen& screen);

}  // namespace tessara
