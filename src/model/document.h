// The circuit document the main window edits: 51 gate slots, 51 link slots, the
// selected tool and the power flag. Every slot always holds an object; a slot is
// part of the circuit exactly while its object's GetUsed is True.
#pragma once

#include <array>
#include <memory>
#include <optional>

#include "model/gate.h"
#include "model/linkgates.h"

namespace tessara {

class Document {
 public:
  // The reset state: a nogate in every gate slot, a fresh linkgates in every link
  // slot, tool 0, power off.
  Document();
  Document(Document&&) noexcept = default;
  Document& operator=(Document&&) noexcept = default;

  Long CurrentTool = kSelectTool;
  Boolean PowerOn = false;

  // Slot i, 0..50. The document owns the object.
  gate& Gates(Integer i) { return *gates_.at(static_cast<std::size_t>(i)); }
  const gate& Gates(Integer i) const { return *gates_.at(static_cast<std::size_t>(i)); }
  linkgates& Links(Integer i) { return links_.at(static_cast<std::size_t>(i)); }
  const linkgates& Links(Integer i) const { return links_.at(static_cast<std::size_t>(i)); }

  // Puts g into slot i, releasing the object that was there. Requires g not null.
  void PutGate(Integer i, std::unique_ptr<gate> g);

  // The lowest gate (link) slot not in use, or nothing when all 51 are used.
  std::optional<Integer> GetFreeGate() const;
  std::optional<Integer> GetFreeLink() const;

  // Places the gate of slot index at (x, y), then keeps x within 800..7400 judged on
  // the x given; y is never limited. Inputs and outputs keep their own columns.
  void SetObject(Integer index, Single x, Single y);

  // Back to the reset state; the old objects are released.
  void Reset();

  // An independent copy: every slot's kind, place, use, orientation and signals, every
  // link segment, the tool and the power flag. About 51 small allocations.
  Document Clone() const;
  // True when both hold the same circuit exactly: every slot's kind, place, use and
  // orientation, and every link segment; signals, tool and power are not compared.
  bool SameCircuit(const Document& other) const;

 private:
  std::array<std::unique_ptr<gate>, kSlotCount> gates_;
  std::array<linkgates, kSlotCount> links_;
};

}  // namespace tessara
