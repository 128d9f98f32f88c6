#include "picture/artwork/pictures.h"

#include <QImage>
#include <map>
#include <tuple>

#include "model/cell.h"
#include "model/kinds.h"
#include "picture/artwork/artwork.h"
#include "view/screen.h"

namespace tessara::app {
namespace {

QImage Draw(Art art, qreal scale) {
  switch (art.kind) {
    case Art::Kind::Gate:
      return artwork::GatePicture(art.type, art.orientation, scale);
    case Art::Kind::Cross:
      return artwork::CrossPicture(scale);
    case Art::Kind::Link:
      return artwork::LinkPicture(scale);
    case Art::Kind::TrashCan:
      return artwork::TrashCanPicture(scale);
    case Art::Kind::NodeDot:
      return artwork::NodeDot(scale);
    case Art::Kind::None:
      break;
  }
  return {};
}

}  // namespace

Art Art::FromPicture(Picture picture) {
  if (!FindKind(picture.kind) || HasRole(picture.kind, KindRole::Node) ||
      !IsOrientation(picture.orientation))
    return {};
  return {Kind::Gate, picture.kind, picture.orientation};
}

QImage FittedPicture(Art art, QSize size, qreal dpr) {
  if (art.kind == Art::Kind::None || size.isEmpty()) return {};
  using Key = std::tuple<int, std::int32_t, int, int, int, qreal>;
  static std::map<Key, QImage> drawn;
  const Key key{
      static_cast<int>(art.kind), art.type, art.orientation, size.width(), size.height(), dpr};
  auto found = drawn.find(key);
  if (found != drawn.end()) return found->second;

  const QSize device(qRound(size.width() * dpr), qRound(size.height() * dpr));
  QImage fitted = Draw(art, dpr).scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  fitted.setDevicePixelRatio(dpr);
  drawn.emplace(key, fitted);
  return fitted;
}

}  // namespace tessara::app
