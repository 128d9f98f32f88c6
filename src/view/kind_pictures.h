// Which picture store a gate image shows for each kind, one row a kind: the view turns a
// kind into its store (SetGateImage) and the artwork a store back into its kind's
// drawing, both from this table. The check at the end refuses a table that leaves a kind
// other than the node (which shows its marker instead) without a store, gives two kinds
// one store, or names a code no kind has.
#pragma once

#include <array>

#include "model/kinds.h"
#include "view/screen.h"

namespace tessara {

struct KindPicture {
  std::int32_t kind;   // the type code
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
constexpr PictureStore TurningStore(std::int32_t kind) {
  const KindPicture* row = FindRow(kKindPictures, &KindPicture::kind, kind);
  return row ? row->store : PictureStore::None;
}

// The type code of the kind whose store this is; kNoGate for None.
constexpr std::int32_t StoreKind(PictureStore store) {
  const KindPicture* row = FindRow(kKindPictures, &KindPicture::store, store);
  return row ? row->kind : kNoGate;
}

namespace kind_pictures_check {

constexpr bool EachKindButTheNodeHasAStore() {
  for (const KindFacts& kind : kKinds) {
    if ((CountRows(kKindPictures, &KindPicture::kind, kind.code) == 0) !=
        (kind.role == KindRole::Node))
      return false;
  }
  for (const KindPicture& row : kKindPictures) {
    if (CountRows(kKinds, &KindFacts::code, row.kind) == 0 || row.store == PictureStore::None)
      return false;
  }
  return true;
}

static_assert(AllDistinct(kKindPictures, &KindPicture::kind) &&
                  AllDistinct(kKindPictures, &KindPicture::store),
              "each kind has one store of its own");
static_assert(EachKindButTheNodeHasAStore(),
              "every kind but the node shows a store, and only kinds");

}  // namespace kind_pictures_check

}  // namespace tessara
