// Which picture a gate image shows: the kind's at the gate's orientation.
#include "model/cell.h"
#include "view/display.h"

namespace tessara {

void SetGateImage(const Document& doc, Screen& screen, std::int16_t index) {
  const Gate& g = doc.Gates(index);
  if (!g.Kind() || HasRole(g, KindRole::Node)) return;  // the node shows its marker
  std::int32_t o = g.GetOrientation();
  // An input or output turned outside the four still shows its unturned box.
  if (!IsOrientation(o) && (HasRole(g, KindRole::Input) || HasRole(g, KindRole::Output))) o = 0;
  if (IsOrientation(o)) screen.GateImage(index).SetPicture({g.GetType(), static_cast<int>(o)});
}

}  // namespace tessara
