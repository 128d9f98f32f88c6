// Which picture store a gate image shows for each kind, one row a kind: the view turns a
// kind into its store (SetGateImage) and the artwork a store back into its kind's
// drawing, both from this table. The check at the end refuses a table that leaves a kind
// other than the node (which shows its marker instead) without a store, gives two kinds
// one store, or names a code no kind has.
#pragma once

#include <algorithm>
#include <array>

#include "model/kinds.h"
#include "view/screen.h"

namespace tessara {

struct KindPicture {
  Long kind;           // the type code
  PictureStore store;  // one picture per orientation 0..3
};

inline constexpr std::array<KindPicture, 8> kKindPictures = {{
    {.kind = kAndGate, .store = PictureStore::andimage},
    {.kind = kOrGate, .store = PictureStore::orimage},
    {.kind = kNotGate, .store = PictureStore::notimage},
    {.kind = kNandGate, .store = PictureStore::nandimage},
    {.kind = kNorGate, .store = PictureStore::norimage},
    {.kind = kXorGate, .store = PictureStore::xorimage},
    {.kind = kInputGate, .store = PictureStore::InputButton},
    {.kind = kOutputGate, .store = PictureStore::OutputButton},
}};

// The store of the kind with this type code; None for the node, the empty slot and any
// code no kind has.
constexpr PictureStore TurningStore(Long kind) {
  const auto row = std::find_if(kKindPictures.begin(), kKindPictures.end(),
                                [kind](const KindPicture& p) { return p.kind == kind; });
  return row == kKindPictures.end() ? PictureStore::None : row->store;
}

// The type code of the kind whose store this is; kNoGate for None.
constexpr Long StoreKind(PictureStore store) {
  const auto row = std::find_if(kKindPictures.begin(), kKindPictures.end(),
                                [store](const KindPicture& p) { return p.store == store; });
  return row == kKindPictures.end() ? kNoGate : row->kind;
}

namespace kind_pictures_check {

constexpr bool EachKindButTheNodeHasOneStoreOfItsOwn() {
  for (const KindFacts& kind : kKinds) {
    const PictureStore store = TurningStore(kind.code);
    if ((store == PictureStore::None) != (kind.role == KindRole::Node)) return false;
    if (store != PictureStore::None && StoreKind(store) != kind.code) return false;
  }
  return std::all_of(kKindPictures.begin(), kKindPictures.end(),
                     [](const KindPicture& p) { return FindKind(p.kind) != nullptr; });
}

static_assert(EachKindButTheNodeHasOneStoreOfItsOwn(),
              "every kind but the node shows a store of its own, and the table names only kinds");

}  // namespace kind_pictures_check

}  // namespace tessara
