// Moving gates and nodes by dragging, turning gates, deleting on the trash can, and
// the riddles of a node's double-click.
#pragma once

#include "editor/form.h"

namespace tessara {

// Every press that starts a drag records where it hit the element (GrabX, GrabY:
// twips from its corner), so that the drop puts that point under the pointer.
// AutomaticDrag_MouseDown is the press on an element in automatic drag mode, which
// runs no other handler; buffer_MouseDown the press on a node marker, which drags it
// whatever the tool and the power.
void AutomaticDrag_MouseDown(Form& form, DragSource Source, Single X, Single Y);
void buffer_MouseDown(Form& form, Integer Index, Single X, Single Y);
void buffer_DblClick(Form& form);
// Drop on the canvas at (X, Y) canvas twips: the pressed point lands under the
// pointer, x within the gate area (inputs and outputs keep their columns), y so that
// the whole picture stays on the canvas.
void Tessara_Frame_DragDrop(Form& form, DragSource Source, Single X, Single Y);
void ObjImage_DblClick(Form& form, Integer Index);
// Deletes the dropped gate with every link drawn to or from it, or the dropped node
// with the link through it, nodes and segments alike; a link being drawn from what
// was freed is abandoned.
void TrashCan_DragDrop(Form& form, DragSource Source);
void TrashCan_MouseDown(Form& form);

}  // namespace tessara
