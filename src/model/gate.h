// The one interface behind which every gate slot holds its object: a gate of any kind
// (logic gate, circuit input or output, node), which does what its row of kinds.h says,
// and the empty-slot object.
//
// Two-phase update: SetInputValue only stores an input and never touches the
// output; GetNewOutput computes the output from the stored inputs and commits it at
// once. A caller that first hands every output to the inputs and then evaluates
// every gate therefore gets a synchronous step, whatever the order of either pass.
#pragma once

#include <cstdint>

#include "model/kinds.h"
#include "model/types.h"

namespace tessara {

class FieldWriter;

class Gate {
 public:
  virtual ~Gate() = default;

  // Moves the top-left corner of the gate's picture. Inputs pin x to 0 and outputs
  // to 8200; the empty slot ignores the call.
  virtual void SetLocation(float x, float y) = 0;
  // Stores Value on input InputNum; never changes the output. One-input kinds store
  // into input 0 whatever the number; two-input kinds ignore a number outside 0..2.
  virtual void SetInputValue(std::int16_t InputNum, bool Value) = 0;
  // Computes the kind's function of the stored inputs, stores it as the current
  // output and returns it.
  virtual bool GetNewOutput() = 0;
  virtual bool GetCurrOutput() const = 0;
  virtual float GetX() const = 0;
  virtual float GetY() const = 0;
  virtual void SetUsed(bool Value) = 0;
  // True while the slot holding this object is part of the circuit.
  virtual bool GetUsed() const = 0;
  // The kind's row, which outlives the gate; nullptr for the empty slot.
  const KindFacts* Kind() const { return kind_; }
  // The kind's type code (types.h); 0 for the empty slot.
  std::int32_t GetType() const { return kind_ ? kind_->code : kNoGate; }
  // Distance in twips of input num's pin along the gate's input side.
  virtual float GetInputOffset(std::int16_t num) const = 0;
  // Appends the gate's record (type code, x, y, used, orientation) to a circuit file.
  virtual void WriteToFile(FieldWriter& fd, double version) const = 0;
  // Restores a gate read from a file, bypassing the position rules of SetLocation;
  // leaves output and inputs as they are.
  virtual void ReadData(float x, float y, bool U, std::int32_t NewO) = 0;
  // Stores any orientation unchecked; 0..3 are a quarter turn each (types.h).
  virtual void SetOrientation(std::int32_t NewO) = 0;
  virtual std::int32_t GetOrientation() const = 0;
  // The gate's signals, for snapshots of a run: bit 0 the current output, bits 1..3
  // the stored inputs 0..2. Not virtual, so that a run's history can read all 51
  // after every step for a few nanoseconds. SetSignals puts back exactly what
  // GetSignals gave and changes nothing else; the empty slot keeps no signals and
  // reports 0.
  std::uint8_t GetSignals() const { return Signals; }
  virtual void SetSignals(std::uint8_t bits) = 0;

 protected:
  Gate() = default;
  explicit Gate(const KindFacts& kind) : kind_(&kind) {}

  // The signals as GetSignals reports them; only the kinds change them.
  std::uint8_t Signals = 0;

 private:
  const KindFacts* kind_ = nullptr;
};

// Whether g is a gate of a kind with this role (never the empty slot).
inline bool HasRole(const Gate& g, KindRole role) { return g.Kind() && g.Kind()->role == role; }

}  // namespace tessara
