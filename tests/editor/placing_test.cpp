#include "window.h"

namespace tessara {
namespace {

using testing::Message;

using Palette = Window;

struct ToolCursor {
  void (*button)(Form&);
  Long tool;
  int icon;
};

class ToolCursors : public Window, public ::testing::WithParamInterface<ToolCursor> {};

TEST_P(ToolCursors, EveryMoveOverTheCanvasShowsTheToolsCursor) {
  GetParam().button(form);
  EXPECT_EQ(doc.CurrentTool, GetParam().tool);
  Tessara_Frame_MouseMove(form, 10, 20);
  EXPECT_EQ(screen.ToolPointer(), GetParam().icon);
  Form_MouseMove(form);
  Tessara_Frame_MouseMove(form, 30, 40);
  EXPECT_EQ(screen.ToolPointer(), GetParam().icon);
}

INSTANTIATE_TEST_SUITE_P(
    EachButton, ToolCursors,
    ::testing::Values(ToolCursor{CrossButton_Click, 0, 5}, ToolCursor{LinkButton_Click, 1, 6},
                      ToolCursor{AndGateButton_Click, 2, 0}, ToolCursor{OrGateButton_Click, 3, 1},
                      ToolCursor{NotGateButton_Click, 4, 2}, ToolCursor{InputButton_Click, 5, 3},
                      ToolCursor{OutputButton_Click, 6, 4},
                      ToolCursor{NandGateButton_Click, 8, 7},
                      ToolCursor{NorGateButton_Click, 9, 8},
                      ToolCursor{XorGateButton_Click, 10, 9}));

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

TEST_F(Palette, WhilePoweredTheCanvasKeepsTheArrowButRecordsThePointer) {
  Power_Click(form);
  AndGateButton_Click(form);
  EXPECT_EQ(screen.Palette(PaletteButton::AndGateButton).BorderStyle(), 1);
  Tessara_Frame_MouseMove(form, 1234, 567);
  EXPECT_EQ(screen.ToolPointer(), std::nullopt);
  EXPECT_EQ(form.MouseX, 1234);
  EXPECT_EQ(form.MouseY, 567);
}

TEST_F(Palette, WindowBackgroundTurnsTheToolCursorIntoTheArrow) {
  Tessara_Frame_MouseMove(form, 10, 10);
  Form_MouseMove(form);
  EXPECT_EQ(screen.ToolPointer(), std::nullopt);
}

struct Placement {
  void (*button)(Form&);
  Single mouseX, mouseY;
  Single x, y;
};

class Placements : public Window, public ::testing::WithParamInterface<Placement> {};

TEST_P(Placements, NewGateIsCentredOnThePointerWithinItsArea) {
  const Placement& row = GetParam();
  const Integer slot = Place(row.button, row.mouseX, row.mouseY);
  EXPECT_EQ(slot, 0);
  EXPECT_TRUE(Gate(0).GetUsed());
  EXPECT_EQ(Gate(0).GetType(), doc.CurrentTool);
  EXPECT_EQ(Gate(0).GetX(), row.x);
  EXPECT_EQ(Gate(0).GetY(), row.y);
  EXPECT_EQ(Gate(0).GetOrientation(), 0);
  EXPECT_TRUE(screen.ObjImage(0).Visible());
}

INSTANTIATE_TEST_SUITE_P(
    EachKind, Placements,
    ::testing::Values(Placement{AndGateButton_Click, 1500, 3000, 1100, 2600},
                      Placement{NotGateButton_Click, 900, 300, 800, -100},
                      Placement{XorGateButton_Click, 8000, 4000, 7400, 3600},
                      Placement{OrGateButton_Click, 1200, 1000, 800, 600},
                      Placement{NandGateButton_Click, 7800, 1000, 7400, 600},
                      Placement{NorGateButton_Click, 3000, 3000, 2600, 2600},
                      Placement{InputButton_Click, 5000, 2000, 0, 1600},
                      Placement{OutputButton_Click, 5000, 2000, 8200, 1600}));

using Placing = Window;

TEST_F(Placing, NewGatesFillTheLowestFreeSlotFirst) {
  for (int n = 0; n < 5; ++n) Place(AndGateButton_Click, 2000, 1000 + 1000 * n);
  CrossButton_Click(form);
  TrashCan_DragDrop(form, {DragPool::ObjImage, 2});
  EXPECT_EQ(Place(OrGateButton_Click, 5000, 5000), 2);
  EXPECT_EQ(Gate(2).GetType(), kOrGate);
}

TEST_F(Placing, UsesThePointerOfTheLastMoveNotOfThePress) {
  NotGateButton_Click(form);
  Tessara_Frame_MouseMove(form, 3000, 3000);
  Tessara_Frame_MouseDown(form);
  EXPECT_EQ(Gate(0).GetX(), 2600);
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

TEST_F(Placing, LinkToolOnTheCanvasWithNoLinkBeingDrawnIsRefused) {
  LinkButton_Click(form);
  PressCanvas(2000, 2000);
  EXPECT_EQ(screen.messages,
            (std::vector<Message>{{"Error: Click on the gates", "Error", MessageStyle::Stop}}));
  EXPECT_FALSE(Gate(0).GetUsed());
}

TEST_F(Placing, FullCircuitRefusesAnotherGateAndChangesNothing) {
  for (Integer i = 0; i < kSlotCount; ++i) testing::PutGate(doc, i, kNotGate, 1000, 100 * i);
  const int refreshes = screen.Refreshes();
  Place(AndGateButton_Click, 2000, 2000);
  EXPECT_EQ(screen.messages,
            (std::vector<Message>{{"Error: The circuit has no room for another gate", "Error",
                                   MessageStyle::Stop}}));
  for (Integer i = 0; i < kSlotCount; ++i) EXPECT_EQ(Gate(i).GetType(), kNotGate);
  EXPECT_EQ(screen.Refreshes(), refreshes + 2) << "the tool's refresh and the press's";
}

}  // namespace
}  // namespace tessara
