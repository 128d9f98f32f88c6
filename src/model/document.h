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
  // The reset state: a EmptySlot in every gate slot, a fresh Link in every link
  // slot, tool 0, power off.
  Document();
  Document(Document&&) noexcept = default;
  Document& operator=(Document&&) noexcept = default;

  std::int32_t CurrentTool = kSelectTool;
  bool PowerOn = false;

  // Slot i, 0..50. The document owns the object.
  Gate& Gates(std::int16_t i) { return *gates_.at(static_cast<std::size_t>(i)); }
  const Gate& Gates(std::int16_t i) const { return *gates_.at(static_cast<std::size_t>(i)); }
  Link& Links(std::int16_t i) { return links_.at(static_cast<std::size_t>(i)); }
  const Link& Links(std::int16_t i) const { return links_.at(static_cast<std::size_t>(i)); }

  // Puts g into slot i, releasing the object that was there. Requires g not null.
  void PutGate(std::int16_t i, std::unique_ptr<Gate> g);

  // The lowest gate (link) slot not in use, or nothing when all 51 are used.
  std::optional<std::int16_t> GetFreeGate() const;
  std::optional<std::int16_t> GetFreeLink() const;

  // Places the gate of slot index at (x, y), then keeps x within 800..7400 judged on
  // the x given; y is never limited. Inputs and outputs keep their own columns.
  void SetObject(std::int16_t index, float x, float y);

  // Back to the reset state; the old objects are released.
  void Reset();

  // An independent copy: every slot's kind, place, use, orientation and signals, every
  // link segment, the tool and the power flag. About 51 small allocations.
  Document Clone() const;
  // True when both hold the same circuit exactly: every slot's kind, place, use and
  // orientation, and every link segment; signals, tool and power are not compared.
  bool SameCircuit(const Document& other) const;

 private:
  std::array<std::unique_ptr<Gate>, kSlotCount> gates_;
  std::array<Link, kSlotCount> links_;
};

}  // namespace tessara
