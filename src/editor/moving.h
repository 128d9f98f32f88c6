// Moving gates and nodes by dragging, turning gates, deleting on the trash can, and
// the riddles of a node's double-click.
#pragma once

#include "editor/form.h"

namespace tessara {

void buffer_MouseDown(Form& form, Integer Index);
void buffer_DblClick(Form& form);
// Drop on the canvas at (X, Y) canvas twips.
void Tessara_Frame_DragDrop(Form& form, DragSource Source, Single X, Single Y);
void ObjImage_DblClick(Form& form, Integer Index);
// Deletes the dropped gate or node with every link segment touching it; a link
// being drawn from it is abandoned.
void TrashCan_DragDrop(Form& form, DragSource Source);
void TrashCan_MouseDown(Form& form);

}  // namespace tessara
