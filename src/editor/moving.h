// Moving gates and nodes by dragging, turning gates, deleting on the trash can, and
// the riddles of a node's double-click. Each handler that changes the circuit ends
// with one refresh; none of them looks at the power or the tool, which the drag modes
// and the window's own checks already decide.
#pragma once

#include "editor/form.h"

namespace tessara {

// Every press that starts a drag begins it with where it hit the element (the source's
// grabX, grabY), so that the drop puts that point under the pointer.
// OnAutomaticDragPress is the press on an element in automatic drag mode, which
// runs no other handler; OnNodePress the press on a node marker, which drags it
// whatever the tool and the power. Neither changes the circuit.
void OnAutomaticDragPress(Form& form, DragSource Source, float X, float Y);
void OnNodePress(Form& form, std::int16_t Index, float X, float Y);
// Shows riddle EggCounter in a box ("Riddle" or "Joke", stop icon) and moves
// EggCounter on to the next of the four, 3 back to 0. The circuit is not touched.
void OnNodeDoubleClick(Form& form);
// Drop on the canvas at (X, Y) canvas twips: the point Source was grabbed at lands under the
// pointer, x within the gate area 800..7400 (inputs and outputs keep their columns),
// y within 0..kCanvasHeight less the picture's height (a gate image's or a node
// marker's, by Source.pool), so the whole picture stays on the canvas. The dropped
// gate image goes to manual drag mode. Requires Source.index in 0..50.
void OnCanvasDrop(Form& form, DragSource Source, float X, float Y);
// Turns gate Index a quarter (orientation 0, 1, 2, 3, 0, ...), whatever its kind; an
// orientation outside 0..3, which only a file can hold, stays. Its links follow.
void OnGateDoubleClick(Form& form, std::int16_t Index);
// Deletes the dropped gate with every link drawn to or from it, or the dropped node
// with the link through it, nodes and segments alike (FreeChainsAt); other links stay
// whole. A link being drawn from what was freed is abandoned. Requires Source.index
// in 0..50.
void OnTrashDrop(Form& form, DragSource Source);
// A press on the trash can does nothing.
void OnTrashPress(Form& form);

}  // namespace tessara
