// Building circuits for tests straight into a document, bypassing the editor.
#pragma once

#include "model/document.h"
#include "model/gatekinds.h"

namespace tessara::testing {

// A used gate of kind type in slot, its corner at (x, y) unpinned, turned o times.
inline gate& PutGate(Document& doc, Integer slot, Long type, Single x, Single y, Long o = 0) {
  doc.PutGate(slot, MakeGate(type));
  doc.Gates(slot).ReadData(x, y, true, o);
  return doc.Gates(slot);
}

// A used segment in slot from gate `from` to input `input` of gate `to`.
inline linkgates& PutLink(Document& doc, Integer slot, Integer from, Integer to,
                          Integer input = 0) {
  linkgates& link = doc.Links(slot);
  link.SetStart(from, 0);
  link.SetStop(to, input);
  link.SetUsed(true);
  return link;
}

}  // namespace tessara::testing
