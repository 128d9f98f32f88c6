// Which picture a gate image shows: the kind's store at the gate's orientation.
#include "model/cell.h"
#include "view/display.h"
#include "view/kind_pictures.h"

namespace tessara {

void SetGateImage(const Document& doc, Screen& screen, Integer index) {
  const gate& g = doc.Gates(index);
  const Long type = g.GetType();
  const PictureStore store = TurningStore(type);
  if (store == PictureStore::None) return;  // empty slot, node, or an unknown code
  Long o = g.GetOrientation();
  // An input or output turned outside the four still shows its unturned box.
  if (!IsOrientation(o) && (HasRole(type, KindRole::Input) || HasRole(type, KindRole::Output)))
    o = 0;
  if (IsOrientation(o)) screen.ObjImage(index).SetPicture({store, static_cast<int>(o)});
}

}  // namespace tessara
