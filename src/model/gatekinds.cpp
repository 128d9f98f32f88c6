// The gates: one class for every kind, reading its function, input pins and column
// from the kind's row (kinds.h), and the empty slot.
#include "model/gatekinds.h"

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

// A gate of any kind: position, used flag, output, orientation and three input
// places, with the ordinary rules for each; its function, input pins and column are
// its row's.
class PlacedGate final : public Gate {
 public:
  explicit PlacedGate(const KindFacts& kind) : Gate(kind) {}

  void SetLocation(float x, float y) override {
    x_ = Row().column.value_or(x);
    y_ = y;
  }
  void SetInputValue(std::int16_t InputNum, bool Value) override {
    const int place = StoredPlace(Row(), InputNum);
    if (place < 0) return;
    const auto bit = static_cast<std::uint8_t>(1 << (place + 1));
    Signals = static_cast<std::uint8_t>(Value ? Signals | bit : Signals & ~bit);
  }
  bool GetNewOutput() override {
    const bool value = KindOutput(Row(), static_cast<unsigned>(Signals >> 1));
    Signals = static_cast<std::uint8_t>((Signals & ~1) | (value ? 1 : 0));
    return value;
  }
  bool GetCurrOutput() const override { return (Signals & 1) != 0; }
  float GetX() const override { return Row().keepsColumn ? *Row().column : x_; }
  float GetY() const override { return y_; }
  void SetUsed(bool Value) override { Used = Value; }
  bool GetUsed() const override { return Used; }
  float GetInputOffset(std::int16_t num) const override { return PinOffset(Row(), num); }
  void WriteToFile(FieldWriter& fd, double) const override {
    fd.Whole(Row().code);
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

 private:
  const KindFacts& Row() const { return *Kind(); }

  float x_ = 0;
  float y_ = 0;
  bool Used = false;
  std::int32_t Orientation = 0;
};

}  // namespace

std::unique_ptr<Gate> MakeGate(const KindFacts& kind) { return std::make_unique<PlacedGate>(kind); }

std::unique_ptr<Gate> MakeGate(std::int32_t typeCode) {
  if (typeCode == kNoGate) return std::make_unique<EmptySlot>();
  const KindFacts* kind = FindKind(typeCode);
  return kind ? MakeGate(*kind) : nullptr;
}

}  // namespace tessara
