// Which picture a gate image shows: the kind's store at the gate's orientation, or
// the palette's own picture for circuit inputs and outputs.
#include "view/display.h"

namespace tessara {
namespace {

PictureStore TurningStore(Long type) {
  switch (type) {
    case kAndGate: return PictureStore::andimage;
    case kOrGate: return PictureStore::orimage;
    case kNotGate: return PictureStore::notimage;
    case kNandGate: return PictureStore::nandimage;
    case kNorGate: return PictureStore::norimage;
    case kXorGate: return PictureStore::xorimage;
    default: return PictureStore::None;
  }
}

}  // namespace

void SetGateImage(const Document& doc, Screen& screen, Integer index) {
  const gate& g = doc.Gates(index);
  const Long type = g.GetType();
  ImageElement& image = screen.ObjImage(index);
  if (type == kInputGate) {
    image.SetPicture({PictureStore::InputButton, 0});
    return;
  }
  if (type == kOutputGate) {
    image.SetPicture({PictureStore::OutputButton, 0});
    return;
  }
  const PictureStore store = TurningStore(type);
  if (store == PictureStore::None) return;  // empty slot, node, or an unknown code
  const Long o = g.GetOrientation();
  if (o >= 0 && o <= 3) image.SetPicture({store, static_cast<int>(o)});
}

}  // namespace tessara
