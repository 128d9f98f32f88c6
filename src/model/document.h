// The circuit document the main window edits: 51 gate slots, 51 link slots, the
// selected tool and the power flag. Every slot always holds an object; a slot is
// part of the circuit exactly while its object's GetUsed is True.
//
// The revision says which circuit the document holds (every slot's kind, place, use
// and orientation, every link segment): every way of changing the circuit (EditGate,
// EditLink, PutGate, SetObject, Reset, reading a document) gives it a new number from one
// counter shared by all documents of the process, never handed out twice. So two equal
// revisions mean the same circuit, even after an undo puts a copy back. A run's signals,
// the tool and the power are no part of the circuit and leave the revision alone.
#pragma once

#include <array>
#include <cstdint>
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
  const Gate& Gates(std::int16_t i) const { return *gates_.at(static_cast<std::size_t>(i)); }
  const Link& Links(std::int16_t i) const { return links_.at(static_cast<std::size_t>(i)); }
  // Slot i for a change of the circuit: gives the document a new revision first.
  Gate& EditGate(std::int16_t i);
  Link& EditLink(std::int16_t i);
  // Slot i for a run: through it only the gate's signals change (SetInputValue,
  // GetNewOutput, SetSignals), never its kind, place, use or orientation.
  Gate& RunGate(std::int16_t i) { return *gates_.at(static_cast<std::size_t>(i)); }

  // The circuit's revision, as described above.
  std::uint64_t Revision() const { return revision_; }
  // Takes other's revision. Requires SameCircuit(other): a change found to change
  // nothing keeps the revision it started from.
  void TakeRevision(const Document& other);

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
  // link segment, the tool, the power flag and the revision. About 51 small allocations.
  Document Clone() const;
  // True when both hold the same circuit exactly: every slot's kind, place, use and
  // orientation, and every link segment; signals, tool and power are not compared.
  bool SameCircuit(const Document& other) const;

 private:
  std::array<std::unique_ptr<Gate>, kSlotCount> gates_;
  std::array<Link, kSlotCount> links_;
  std::uint64_t revision_ = 0;
};

}  // namespace tessara
