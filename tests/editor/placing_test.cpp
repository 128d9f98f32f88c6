#include "window.h"

namespace tessara {
namespace {

using testing::Message;
using Palette = Window;
using Placing = Window;

TEST_F(Palette, EachToolShowsItsCursorOverTheCanvasAndTheArrowOverTheBackgroundOrWhilePowered) {
  const struct {
    void (*button)(Form&);
    Long tool;
    int icon;
  } rows[] = {{CrossButton_Click, 0, 5},     {LinkButton_Click, 1, 6},     {AndGateButton_Click, 2, 0},
              {OrGateButton_Click, 3, 1},    {NotGateButton_Click, 4, 2},  {InputButton_Click, 5, 3},
              {OutputButton_Click, 6, 4},    {NandGateButton_Click, 8, 7}, {NorGateButton_Click, 9, 8},
              {XorGateButton_Click, 10, 9}};
  for (const auto& row : rows) {
    row.button(form);
    EXPECT_EQ(doc.CurrentTool, row.tool);
    Tessara_Frame_MouseMove(form, 10, 20);
    EXPECT_EQ(screen.ToolPointer(), row.icon) << "tool " << row.tool;
    Form_MouseMove(form);
    EXPECT_EQ(screen.ToolPointer(), std::nullopt) << "tool " << row.tool;
  }
  Power_Click(form);
  AndGateButton_Click(form);
  EXPECT_EQ(screen.Palette(PaletteButton::AndGateButton).BorderStyle(), 1);
  Tessara_Frame_MouseMove(form, 1234, 567);
  EXPECT_EQ(screen.ToolPointer(), std::nullopt);
  EXPECT_EQ(form.MouseX, 1234);
  EXPECT_EQ(form.MouseY, 567);
}

TEST_F(Palette, ToolButtonsMakeEveryImageManualButTheCrossLeavesModesAlone) {
  CrossButton_Click(form);
  EXPECT_EQ(screen.ObjImage(0).GetDragMode(), DragMode::Automatic);
  XorGateButton_Click(form);
  CrossButton_Click(form);
  for (Integer i = 0; i < kSlotCount; ++i) {
    EXPECT_EQ(screen.ObjImage(i).GetDragMode(), DragMode::Manual);
    EXPECT_EQ(screen.buffer(i).GetDragMode(), DragMode::Manual);
  }
  EXPECT_EQ(screen.Refreshes(), 1 + 3) << "start-up's, then one per button";
}

TEST_F(Placing, NewGateIsCentredOnThePointerWithinItsAreaOrInItsColumn) {
  const struct {
    void (*button)(Form&);
    Single mouseX, mouseY, x, y;
  } rows[] = {{AndGateButton_Click, 1500, 3000, 1100, 2600}, {NotGateButton_Click, 900, 300, 800, -100},
              {XorGateButton_Click, 8000, 4000, 7400, 3600}, {OrGateButton_Click, 1200, 1000, 800, 600},
              {NandGateButton_Click, 7800, 1000, 7400, 600}, {NorGateButton_Click, 3000, 3000, 2600, 2600},
              {InputButton_Click, 5000, 2000, 0, 1600},      {OutputButton_Click, 5000, 2000, 8200, 1600}};
  for (const auto& row : rows) {
    New_Click(form);
    ASSERT_EQ(Place(row.button, row.mouseX, row.mouseY), 0);
    EXPECT_TRUE(Gate(0).GetUsed());
    EXPECT_EQ(Gate(0).GetType(), doc.CurrentTool);
    EXPECT_EQ(Gate(0).GetX(), row.x) << "kind " << doc.CurrentTool;
    EXPECT_EQ(Gate(0).GetY(), row.y) << "kind " << doc.CurrentTool;
    EXPECT_EQ(Gate(0).GetOrientation(), 0);
    EXPECT_TRUE(screen.ObjImage(0).Visible());
  }
}

TEST_F(Placing, NewGatesFillTheLowestFreeSlotFirst) {
  for (int n = 0; n < 5; ++n) Place(AndGateButton_Click, 2000, 1000 + 1000 * n);
  CrossButton_Click(form);
  TrashCan_DragDrop(form, {DragPool::ObjImage, 2});
  EXPECT_EQ(Place(OrGateButton_Click, 5000, 5000), 2);
  EXPECT_EQ(Gate(2).GetType(), kOrGate);
}

TEST_F(Placing, PressesPlaceNothingWhilePoweredOrWithTheSelectTool) {
  AndGateButton_Click(form);
  Power_Click(form);
  PressCanvas(2000, 2000);
  Power_Click(form);
  CrossButton_Click(form);
  const int refreshes = screen.Refreshes();
  PressCanvas(2000, 2000);
  EXPECT_EQ(screen.Refreshes(), refreshes + 1);
  EXPECT_FALSE(Gate(0).GetUsed());
  EXPECT_TRUE(screen.messages.empty());
}

TEST_F(Placing, FullCircuitRefusesAnotherGateAndChangesNothing) {
  for (Integer i = 0; i < kSlotCount; ++i) testing::PutGate(doc, i, kNotGate, 1000, 100 * i);
  const int refreshes = screen.Refreshes();
  AndGateButton_Click(form);
  PressCanvas(2000, 2000);
  EXPECT_EQ(screen.messages, (std::vector<Message>{{"Error: The circuit has no room for another gate", "Error",
                                                    MessageStyle::Stop}}));
  for (Integer i = 0; i < kSlotCount; ++i) EXPECT_EQ(Gate(i).GetType(), kNotGate);
  EXPECT_EQ(screen.Refreshes(), refreshes + 2) << "the tool's refresh and the press's";
}

}  // namespace
}  // namespace tessara
