// The ten gate kinds. The state every placed kind keeps lives in PlacedGate; a kind
// adds only its type code, its logic (GetNewOutput commits a function of its inputs),
// its input pins and, for circuit inputs and outputs, the column x is pinned to.
#include "model/gatekinds.h"

#include <array>

#include "model/canvas.h"
#include "model/fields.h"

namespace tessara {
namespace {

class EmptySlot final : public Gate {
 public:
  void SetLocation(float, float) override {}
  void SetInputValue(std::int16_t, bool) override {}
  bool GetNewOutput() override { return false; }
  bool GetCurrOutput() const override { return false; }
  float GetX() const override { return 0; }
  float GetY() const override { return 0; }
  void SetUsed(bool Value) override { Used = Value; }
  bool GetUsed() const override { return Used; }
  std::int32_t GetType() const override { return kNoGate; }
  float GetInputOffset(std::int16_t) const override { return 0; }
  void WriteToFile(FieldWriter& fd, double) const override {
    fd.Whole(kEmptySlotRecord);
    fd.Float(0);
    fd.Float(0);
    fd.Flag(false);
    fd.Whole(0);
    fd.EndRecord();
  }
  void ReadData(float, float, bool, std::int32_t) override {}
  void SetOrientation(std::int32_t) override {}
  std::int32_t GetOrientation() const override { return 0; }
  void SetSignals(std::uint8_t) override {}

 private:
  bool Used = false;
};

// Everything but the empty slot: position, used flag, output, orientation and three
// input places, with the ordinary rules for each.
class PlacedGate : public Gate {
 public:
  void SetLocation(float x, float y) override {
    x_ = x;
    y_ = y;
  }
  bool GetCurrOutput() const override { return (Signals & 1) != 0; }
  float GetX() const override { return x_; }
  float GetY() const override { return y_; }
  void SetUsed(bool Value) override { Used = Value; }
  bool GetUsed() const override { return Used; }
  void WriteToFile(FieldWriter& fd, double) const override {
    fd.Whole(GetType());
    fd.Float(x_);
    fd.Float(y_);
    fd.Flag(Used);
    fd.Whole(Orientation);
    fd.EndRecord();
  }
  void ReadData(float x, float y, bool U, std::int32_t NewO) override {
    x_ = x;
    y_ = y;
    Used = U;
    Orientation = NewO;
  }
  void SetOrientation(std::int32_t NewO) override { Orientation = NewO; }
  std::int32_t GetOrientation() const override { return Orientation; }
  void SetSignals(std::uint8_t bits) override { Signals = bits & 0xF; }

 protected:
  // Input place n, 0..2: the value last stored there.
  bool Inputs(std::int16_t n) const { return (Signals >> (n + 1) & 1) != 0; }
  void StoreInput(std::int16_t n, bool value) {
    const auto bit = static_cast<std::uint8_t>(1 << (n + 1));
    Signals = static_cast<std::uint8_t>(value ? Signals | bit : Signals & ~bit);
  }
  // Stores a kind's new output, computed from its inputs alone, and returns it.
  bool Commit(bool value) {
    Signals = static_cast<std::uint8_t>((Signals & ~1) | (value ? 1 : 0));
    return value;
  }

  float x_ = 0;
  float y_ = 0;
  bool Used = false;
  std::int32_t Orientation = 0;
};

// AND, OR, NAND, NOR, XOR: inputs 0 and 1 pinned 150 and 600 twips along the input
// side; a third place, 2, is accepted and read by no function.
class TwoInputGate : public PlacedGate {
 public:
  void SetInputValue(std::int16_t InputNum, bool Value) override {
    if (InputNum >= 0 && InputNum <= 2) StoreInput(InputNum, Value);
  }
  float GetInputOffset(std::int16_t num) const override { return num == 0 ? 150 : 600; }
};

// NOT, circuit input and output, node: one input, whatever number it is given.
class OneInputGate : public PlacedGate {
 public:
  void SetInputValue(std::int16_t, bool Value) override { StoreInput(0, Value); }
};

class AndGate final : public TwoInputGate {
 public:
  std::int32_t GetType() const override { return kAndGate; }
  bool GetNewOutput() override { return Commit(Inputs(0) && Inputs(1)); }
};

class OrGate final : public TwoInputGate {
 public:
  std::int32_t GetType() const override { return kOrGate; }
  bool GetNewOutput() override { return Commit(Inputs(0) || Inputs(1)); }
};

class NandGate final : public TwoInputGate {
 public:
  std::int32_t GetType() const override { return kNandGate; }
  bool GetNewOutput() override { return Commit(!(Inputs(0) && Inputs(1))); }
};

class NorGate final : public TwoInputGate {
 public:
  std::int32_t GetType() const override { return kNorGate; }
  bool GetNewOutput() override { return Commit(!(Inputs(0) || Inputs(1))); }
};

class XorGate final : public TwoInputGate {
 public:
  std::int32_t GetType() const override { return kXorGate; }
  bool GetNewOutput() override { return Commit(Inputs(0) != Inputs(1)); }
};

class NotGate final : public OneInputGate {
 public:
  std::int32_t GetType() const override { return kNotGate; }
  float GetInputOffset(std::int16_t) const override { return 400; }
  bool GetNewOutput() override { return Commit(!Inputs(0)); }
};

// A circuit input: its output is the value the input toggle stored; it always sits
// in the left column, x = 0.
class CircuitInput final : public OneInputGate {
 public:
  std::int32_t GetType() const override { return kInputGate; }
  float GetInputOffset(std::int16_t) const override { return 0; }
  void SetLocation(float, float y) override { PlacedGate::SetLocation(0, y); }
  float GetX() const override { return 0; }
  bool GetNewOutput() override { return Commit(Inputs(0)); }
};

// A circuit output: shows its driver's value; placed in the right column, x = 8200.
class CircuitOutput final : public OneInputGate {
 public:
  static constexpr float kColumnX = kOutputColumnX;
  std::int32_t GetType() const override { return kOutputGate; }
  float GetInputOffset(std::int16_t) const override { return 400; }
  void SetLocation(float, float y) override { PlacedGate::SetLocation(kColumnX, y); }
  bool GetNewOutput() override { return Commit(Inputs(0)); }
};

// A node, the bend point of a link: copies its input without delay.
class NodeGate final : public OneInputGate {
 public:
  std::int32_t GetType() const override { return kBufferGate; }
  float GetInputOffset(std::int16_t) const override { return 10; }
  bool GetNewOutput() override { return Commit(Inputs(0)); }
};

}  // namespace

std::unique_ptr<Gate> MakeGate(std::int32_t typeCode) {
  switch (typeCode) {
    case kNoGate:
      return std::make_unique<EmptySlot>();
    case kAndGate:
      return std::make_unique<AndGate>();
    case kOrGate:
      return std::make_unique<OrGate>();
    case kNotGate:
      return std::make_unique<NotGate>();
    case kInputGate:
      return std::make_unique<CircuitInput>();
    case kOutputGate:
      return std::make_unique<CircuitOutput>();
    case kBufferGate:
      return std::make_unique<NodeGate>();
    case kNandGate:
      return std::make_unique<NandGate>();
    case kNorGate:
      return std::make_unique<NorGate>();
    case kXorGate:
      return std::make_unique<XorGate>();
    default:
      return nullptr;
  }
}

}  // namespace tessara
