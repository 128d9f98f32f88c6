// Which picture a gate image shows: the kind's store at the gate's orientation.
#include "view/display.h"

namespace tessara {
namespace {

PictureStore TurningStore(Long type) {
  switch (type) {
    case kAndGate:
      return PictureStore::andimage;
    case kOrGate:
      return PictureStore::orimage;
    case kNotGate:
      return PictureStore::notimage;
    case kNandGate:
      return PictureStore::nandimage;
    case kNorGate:
      return PictureStore::norimage;
    case kXorGate:
      return PictureStore::xorimage;
    case kInputGate:
      return PictureStore::InputButton;
    case kOutputGate:
      return PictureStore::OutputButton;
    default:
      return PictureStore::None;
  }
}

}  // namespace

void SetGateImage(const Document& doc, Screen& screen, Integer index) {
  const gate& g = doc.Gates(index);
  const Long type = g.GetType();
  const PictureStore store = TurningStore(type);
  if (store == PictureStore::None) return;  // empty slot, node, or an unknown code
  auto known = [](Long o) { return o >= 0 && o <= 3; };
  Long o = g.GetOrientation();
  // An input or output turned outside the four still shows its unturned box.
  if (!known(o) && (type == kInputGate || type == kOutputGate)) o = 0;
  if (known(o)) screen.ObjImage(index).SetPicture({store, static_cast<int>(o)});
}

}  // namespace tessara
