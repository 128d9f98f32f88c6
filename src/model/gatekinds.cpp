// The ten gate kinds. The state every placed kind keeps lives in placedgate; a kind
// adds only its type code, its logic (GetNewOutput commits a function of its inputs),
// its input pins and, for circuit inputs and outputs, the column x is pinned to.
#include "model/gatekinds.h"

#include <array>

#include "model/canvas.h"
#include "model/fields.h"

namespace tessara {
namespace {

class nogate final : public gate {
 public:
  void SetLocation(Single, Single) override {}
  void SetInputValue(Integer, Boolean) override {}
  Boolean GetNewOutput() override { return false; }
  Boolean GetCurrOutput() const override { return false; }
  Single GetX() const override { return 0; }
  Single GetY() const override { return 0; }
  void SetUsed(Boolean Value) override { Used = Value; }
  Boolean GetUsed() const override { return Used; }
  Long GetType() const override { return kNoGate; }
  Single GetInputOffset(Integer) const override { return 0; }
  void WriteToFile(FieldWriter& fd, Double) const override {
    fd.Whole(kEmptySlotRecord);
    fd.Single(0);
    fd.Single(0);
    fd.Boolean(false);
    fd.Whole(0);
    fd.EndRecord();
  }
  void ReadData(Single, Single, Boolean, Long) override {}
  void SetOrientation(Long) override {}
  Long GetOrientation() const override { return 0; }
  void SetSignals(std::uint8_t) override {}

 private:
  Boolean Used = false;
};

// Everything but the empty slot: position, used flag, output, orientation and three
// input places, with the ordinary rules for each.
class placedgate : public gate {
 public:
  void SetLocation(Single x, Single y) override {
    Loc_X = x;
    Loc_Y = y;
  }
  Boolean GetCurrOutput() const override { return (Signals & 1) != 0; }
  Single GetX() const override { return Loc_X; }
  Single GetY() const override { return Loc_Y; }
  void SetUsed(Boolean Value) override { Used = Value; }
  Boolean GetUsed() const override { return Used; }
  void WriteToFile(FieldWriter& fd, Double) const override {
    fd.Whole(GetType());
    fd.Single(Loc_X);
    fd.Single(Loc_Y);
    fd.Boolean(Used);
    fd.Whole(Orientation);
    fd.EndRecord();
  }
  void ReadData(Single x, Single y, Boolean U, Long NewO) override {
    Loc_X = x;
    Loc_Y = y;
    Used = U;
    Orientation = NewO;
  }
  void SetOrientation(Long NewO) override { Orientation = NewO; }
  Long GetOrientation() const override { return Orientation; }
  void SetSignals(std::uint8_t bits) override { Signals = bits & 0xF; }

 protected:
  // Input place n, 0..2: the value last stored there.
  Boolean Inputs(Integer n) const { return (Signals >> (n + 1) & 1) != 0; }
  void StoreInput(Integer n, Boolean value) {
    const auto bit = static_cast<std::uint8_t>(1 << (n + 1));
    Signals = static_cast<std::uint8_t>(value ? Signals | bit : Signals & ~bit);
  }
  // Stores a kind's new output, computed from its inputs alone, and returns it.
  Boolean Commit(Boolean value) {
    Signals = static_cast<std::uint8_t>((Signals & ~1) | (value ? 1 : 0));
    return value;
  }

  Single Loc_X = 0;
  Single Loc_Y = 0;
  Boolean Used = false;
  Long Orientation = 0;
};

// AND, OR, NAND, NOR, XOR: inputs 0 and 1 pinned 150 and 600 twips along the input
// side; a third place, 2, is accepted and read by no function.
class twoinputgate : public placedgate {
 public:
  void SetInputValue(Integer InputNum, Boolean Value) override {
    if (InputNum >= 0 && InputNum <= 2) StoreInput(InputNum, Value);
  }
  Single GetInputOffset(Integer num) const override { return num == 0 ? 150 : 600; }
};

// NOT, circuit input and output, node: one input, whatever number it is given.
class oneinputgate : public placedgate {
 public:
  void SetInputValue(Integer, Boolean Value) override { StoreInput(0, Value); }
};

class andgate final : public twoinputgate {
 public:
  Long GetType() const override { return kAndGate; }
  Boolean GetNewOutput() override { return Commit(Inputs(0) && Inputs(1)); }
};

class orgate final : public twoinputgate {
 public:
  Long GetType() const override { return kOrGate; }
  Boolean GetNewOutput() override { return Commit(Inputs(0) || Inputs(1)); }
};

class nandgate final : public twoinputgate {
 public:
  Long GetType() const override { return kNandGate; }
  Boolean GetNewOutput() override { return Commit(!(Inputs(0) && Inputs(1))); }
};

class norgate final : public twoinputgate {
 public:
  Long GetType() const override { return kNorGate; }
  Boolean GetNewOutput() override { return Commit(!(Inputs(0) || Inputs(1))); }
};

class xorgate final : public twoinputgate {
 public:
  Long GetType() const override { return kXorGate; }
  Boolean GetNewOutput() override { return Commit(Inputs(0) != Inputs(1)); }
};

class notgate final : public oneinputgate {
 public:
  Long GetType() const override { return kNotGate; }
  Single GetInputOffset(Integer) const override { return 400; }
  Boolean GetNewOutput() override { return Commit(!Inputs(0)); }
};

// A circuit input: its output is the value the input toggle stored; it always sits
// in the left column, x = 0.
class inputgate final : public oneinputgate {
 public:
  Long GetType() const override { return kInputGate; }
  Single GetInputOffset(Integer) const override { return 0; }
  void SetLocation(Single, Single y) override { placedgate::SetLocation(0, y); }
  Single GetX() const override { return 0; }
  Boolean GetNewOutput() override { return Commit(Inputs(0)); }
};

// A circuit output: shows its driver's value; placed in the right column, x = 8200.
class outputgate final : public oneinputgate {
 public:
  static constexpr Single kColumnX = kOutputColumnX;
  Long GetType() const override { return kOutputGate; }
  Single GetInputOffset(Integer) const override { return 400; }
  void SetLocation(Single, Single y) override { placedgate::SetLocation(kColumnX, y); }
  Boolean GetNewOutput() override { return Commit(Inputs(0)); }
};

// A node, the bend point of a link: copies its input without delay.
class buffergate final : public oneinputgate {
 public:
  Long GetType() const override { return kBufferGate; }
  Single GetInputOffset(Integer) const override { return 10; }
  Boolean GetNewOutput() override { return Commit(Inputs(0)); }
};

}  // namespace

std::unique_ptr<gate> MakeGate(Long typeCode) {
  switch (typeCode) {
    case kNoGate:
      return std::make_unique<nogate>();
    case kAndGate:
      return std::make_unique<andgate>();
    case kOrGate:
      return std::make_unique<orgate>();
    case kNotGate:
      return std::make_unique<notgate>();
    case kInputGate:
      return std::make_unique<inputgate>();
    case kOutputGate:
      return std::make_unique<outputgate>();
    case kBufferGate:
      return std::make_unique<buffergate>();
    case kNandGate:
      return std::make_unique<nandgate>();
    case kNorGate:
      return std::make_unique<norgate>();
    case kXorGate:
      return std::make_unique<xorgate>();
    default:
      return nullptr;
  }
}

}  // namespace tessara
