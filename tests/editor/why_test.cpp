// Asking why on the stand-in screen: a press on a value label, the explanation and its
// highlight following the run until an edit or Power Up, and the terminals' names.
#include "editor/why.h"

#include "editor/refresh.h"
#include "window.h"

namespace tessara {
namespace {

class Why : public Window {
 protected:
  // I1 drives a NOT gate driving O1; I2 stands apart.
  Why() {
    Place(OnInputTool, 300, 1600);
    Place(OnNotTool, 2400, 1600);
    Place(OnOutputTool, 8000, 1600);
    Place(OnInputTool, 300, 4000);
    OnLinkTool(form);
    PressOutput(kInput), PressInput(kNot);
    PressOutput(kNot), PressInput(kOutput);
  }
  // The gate slots drawn highlighted, slot i in bit i.
  SlotSet Lit() {
    SlotSet lit;
    for (std::int16_t i = 0; i < kSlotCount; ++i) {
      lit[static_cast<std::size_t>(i)] = screen.GateImage(i).Highlighted();
    }
    return lit;
  }
  static constexpr std::int16_t kInput = 0, kNot = 1, kOutput = 2, kApart = 3;
};

TEST_F(Why, ValuePressExplainsItsGateAtTheCurrentStepUntilAnEditOrPowerUp) {
  OnValuePress(form, kOutput);
  EXPECT_FALSE(form.whyGate) << "nothing is asked while not powered";
  OnPower(form);
  OnProp(form), OnProp(form);
  OnValuePress(form, kOutput);
  ASSERT_TRUE(form.why);
  EXPECT_EQ(form.why->step, 2u);
  EXPECT_EQ(Lit(), SlotSet(0b0111)) << "I1, the NOT gate and O1; not I2";
  EXPECT_TRUE(screen.LinkLine(1).Highlighted());
  OnGatePress(form, kInput, 0, 0);  // a toggle: step 3
  EXPECT_EQ(form.why->step, 3u) << "the explanation follows the run";
  OnWhyLine(form, kNot, 1);
  EXPECT_EQ(form.history.Current(), 1u);
  EXPECT_EQ(form.why->slot, kNot) << "a line asks about its gate at its step";
  OnGateDoubleClick(form, kNot), ForgetChangedRun(form);  // a turn while powered: an edit
  EXPECT_FALSE(form.whyGate);
  EXPECT_EQ(Lit(), SlotSet());
  OnValuePress(form, kOutput);
  OnPower(form);
  EXPECT_TRUE(form.whyGate) << "Power Down keeps it";
  OnPower(form);
  EXPECT_FALSE(form.whyGate) << "Power Up clears it";
  EXPECT_FALSE(screen.LinkLine(1).Highlighted());
}

TEST_F(Why, InputsAndOutputsAreNamedTopDownAndRenumberedAfterAnEdit) {
  const std::pair<std::int16_t, std::string> before[] = {
      {kInput, "I1"}, {kNot, ""}, {kOutput, "O1"}, {kApart, "I2"}};
  for (const auto& [slot, name] : before) EXPECT_EQ(screen.GateImage(slot).Name(), name);
  OnCanvasDrop(form, {DragPool::GateImage, kApart}, 300, 100);
  EXPECT_EQ(screen.GateImage(kApart).Name(), "I1");
  EXPECT_EQ(screen.GateImage(kInput).Name(), "I2");
}

}  // namespace
}  // namespace tessara
