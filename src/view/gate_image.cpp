// Which picture a gate image shows: the kind's store at the gate's orientation.
#include "model/cell.h"
#include "view/display.h"
#include "view/kind_pictures.h"

namespace tessara {

void SetGateImage(const Document& doc, Screen& screen, std::int16_t index) {
  const Gate& g = doc.Gates(index);
  const std::int32_t type = g.GetType();
  const PictureStore store = TurningStore(type);
  if (store == PictureStore::None) return;  // empty slot, node, or an unknown code
  std::int32_t o = g.GetOrientation();
  // An input or output turned outside the four still shows its unturned box.
  if (!IsOrientation(o) && (HasRole(type, KindRole::Input) || HasRole(type, KindRole::Output)))
    o = 0;
  if (IsOrientation(o)) screen.GateImage(index).SetPicture({store, static_cast<int>(o)});
}

}  // namespace tessara
