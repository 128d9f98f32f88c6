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
    Place(InputButton_Click, 300, 1600);
    Place(NotGateButton_Click, 2400, 1600);
    Place(OutputButton_Click, 8000, 1600);
    Place(InputButton_Click, 300, 4000);
    LinkButton_Click(form);
    PressOutput(kInput), PressInput(kNot);
    PressOutput(kNot), PressInput(kOutput);
  }
  // The gate slots drawn highlighted, slot i in bit i.
  SlotSet Lit() const {
    const testing::ElementsSnapshot shown = screen.Snapshot();
    SlotSet lit;
    for (std::size_t i = 0; i < kSlotCount; ++i) lit[i] = shown.images[i].highlight;
    return lit;
  }
  static constexpr Integer kInput = 0, kNot = 1, kOutput = 2, kApart = 3;
};

TEST_F(Why, ValuePressExplainsItsGateAtTheCurrentStepUntilAnEditOrPowerUp) {
  txtObjValue_Click(form, kOutput);
  EXPECT_FALSE(form.whyGate) << "nothing is asked while not powered";
  Power_Click(form);
  prop_Click(form), prop_Click(form);
  txtObjValue_Click(form, kOutput);
  ASSERT_TRUE(form.why);
  EXPECT_EQ(form.why->step, 2u);
  EXPECT_EQ(Lit(), SlotSet(0b0111)) << "I1, the NOT gate and O1; not I2";
  EXPECT_TRUE(screen.LinkLine(1).Highlighted());
  ObjImage_MouseDown(form, kInput, 0, 0);  // a toggle: step 3
  EXPECT_EQ(form.why->step, 3u) << "the explanation follows the run";
  WhyLine_Click(form, kNot, 1);
  EXPECT_EQ(form.history.Current(), 1u);
  EXPECT_EQ(form.why->slot, kNot) << "a line asks about its gate at its step";
  ObjImage_DblClick(form, kNot), ForgetChangedRun(form);  // a turn while powered: an edit
  EXPECT_FALSE(form.whyGate);
  EXPECT_EQ(Lit(), SlotSet());
  txtObjValue_Click(form, kOutput);
  Power_Click(form);
  EXPECT_TRUE(form.whyGate) << "Power Down keeps it";
  Power_Click(form);
  EXPECT_FALSE(form.whyGate) << "Power Up clears it";
  EXPECT_FALSE(screen.LinkLine(1).Highlighted());
}

TEST_F(Why, InputsAndOutputsAreNamedTopDownAndRenumberedAfterAnEdit) {
  const std::pair<Integer, std::string> before[] = {
      {kInput, "I1"}, {kNot, ""}, {kOutput, "O1"}, {kApart, "I2"}};
  for (const auto& [slot, name] : before) EXPECT_EQ(screen.ObjImage(slot).Name(), name);
  Tessara_Frame_DragDrop(form, {DragPool::ObjImage, kApart}, 300, 100);
  EXPECT_EQ(screen.ObjImage(kApart).Name(), "I1");
  EXPECT_EQ(screen.ObjImage(kInput).Name(), "I2");
}

}  // namespace
}  // namespace tessara
