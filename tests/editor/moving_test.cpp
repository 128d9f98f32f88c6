#include "window.h"

namespace tessara {
namespace {

using testing::PutGate;
using Moving = Window;

TEST_F(Moving, DropKeepsThePressedPointOfTheImageUnderThePointerWithinTheGatesArea) {
  const struct {
    void (*button)(Form&);
    Single dropX, dropY, x, y;
  } rows[] = {{AndGateButton_Click, 3000, 4000, 2900, 3800}, {AndGateButton_Click, 500, 4000, 800, 3800},
              {InputButton_Click, 5000, 3000, 0, 2800},      {OutputButton_Click, 5000, 3000, 8200, 2800}};
  for (const auto& row : rows) {
    New_Click(form);
    const Integer slot = Place(row.button, 2000, 2000);
    CrossButton_Click(form);
    ObjImage_MouseDown(form, slot, 100, 200);
    Tessara_Frame_DragDrop(form, {DragPool::ObjImage, slot}, row.dropX, row.dropY);
    EXPECT_EQ(Gate(slot).GetX(), row.x) << "dropped at " << row.dropX;
    EXPECT_EQ(Gate(slot).GetY(), row.y);
    EXPECT_EQ(screen.ObjImage(slot).Left(), row.x);
  }
}

TEST_F(Moving, AutomaticDragAfterStartUpDropsWithTheLastGrabOffset) {
  PutGate(doc, 0, kNotGate, 1000, 1000);
  Tessara_Frame_DragDrop(form, {DragPool::ObjImage, 0}, 3000, 3000);
  EXPECT_EQ(Gate(0).GetX(), 3000) << "no press yet: the offset is (0, 0)";
  EXPECT_EQ(screen.ObjImage(0).GetDragMode(), DragMode::Manual);
  EXPECT_EQ(screen.ObjImage(1).GetDragMode(), DragMode::Automatic);
}

TEST_F(Moving, NodeDragsFromItsOwnPressWithAnyToolAndDropsWithItsOwnOffset) {
  PutGate(doc, 0, kNotGate, 1000, 1000);
  PutGate(doc, 1, kBufferGate, 4000, 4000);
  AndGateButton_Click(form);
  ObjImage_MouseDown(form, 0, 150, 250);
  Power_Click(form);
  buffer_MouseDown(form, 1, 60, 70);
  EXPECT_EQ(screen.drags, (std::vector<DragSource>{{DragPool::buffer, 1}}));
  Tessara_Frame_DragDrop(form, {DragPool::buffer, 1}, 3000, 4000);
  EXPECT_EQ(Gate(1).GetX(), 2940);
  EXPECT_EQ(Gate(1).GetY(), 3930);
  EXPECT_EQ(screen.buffer(1).Left(), 2940);
}

TEST_F(Moving, DoubleClicksTurnAGateAQuarterAtATime) {
  gate& g = PutGate(doc, 0, kAndGate, 2000, 2000, 2);
  for (Long expected : {3, 0, 1, 2}) {
    ObjImage_DblClick(form, 0);
    EXPECT_EQ(g.GetOrientation(), expected);
    EXPECT_EQ(screen.ObjImage(0).GetPicture(), (Picture{PictureStore::andimage, expected}));
  }
  g.SetOrientation(4);
  ObjImage_DblClick(form, 0);
  EXPECT_EQ(g.GetOrientation(), 4);
}

TEST_F(Moving, DeletingAGateFreesEverySegmentTouchingIt) {
  const Integer in1 = Place(InputButton_Click, 0, 1000);
  const Integer in2 = Place(InputButton_Click, 0, 3000);
  const Integer gateSlot = Place(AndGateButton_Click, 3000, 2000);
  const Integer out = Place(OutputButton_Click, 0, 2000);
  LinkButton_Click(form);
  for (auto [from, to, input] : {std::tuple{in1, gateSlot, 0}, {in2, gateSlot, 1}, {gateSlot, out, 0}}) {
    PressOutput(from);
    PressInput(to, input);
  }
  ASSERT_EQ(UsedLinks(), 3);
  TrashCan_DragDrop(form, {DragPool::ObjImage, gateSlot});
  EXPECT_FALSE(Gate(gateSlot).GetUsed());
  EXPECT_EQ(UsedLinks(), 0);
  EXPECT_FALSE(screen.ObjImage(gateSlot).Visible());
  EXPECT_FALSE(screen.LinkLine(2).Visible());
  EXPECT_TRUE(Gate(in1).GetUsed() && Gate(out).GetUsed());
}

TEST_F(Moving, DeletingANodeInAChainFreesTheWholeChain) {
  const Integer a = Place(AndGateButton_Click, 2000, 1000);
  const Integer b = Place(OrGateButton_Click, 6000, 3000);
  LinkButton_Click(form);
  PressOutput(a);
  PressCanvas(3000, 2000);  // N1 in slot 2, segments 0 and 1
  PressCanvas(4000, 2000);  // N2 in slot 3, segment 2
  PressInput(b);
  TrashCan_DragDrop(form, {DragPool::buffer, 2});
  EXPECT_FALSE(Link(0).GetUsed() || Link(1).GetUsed());
  EXPECT_FALSE(Link(2).GetUsed() || Gate(3).GetUsed());
  EXPECT_FALSE(screen.buffer(2).Visible());
  EXPECT_FALSE(screen.buffer(3).Visible());
}

TEST_F(Moving, NodesTellRiddlesAndJokesInTurn) {
  for (int n = 0; n < 8; ++n) buffer_DblClick(form);
  const char* const titles[] = {"Riddle", "Joke", "Joke", "Riddle"};
  ASSERT_EQ(screen.messages.size(), 8u);
  for (std::size_t n = 0; n < 8; ++n) {
    EXPECT_EQ(screen.messages[n].title, titles[n % 4]);
    EXPECT_EQ(screen.messages[n].style, MessageStyle::Stop);
    EXPECT_EQ(screen.messages[n].prompt, screen.messages[n % 4].prompt);
  }
  EXPECT_EQ(screen.messages[0].prompt, "What goes around and around all day long, but always straight ahead");
  EXPECT_EQ(screen.messages[1].prompt, "How do you tell when a lawyer is lieing?  His lips are moving.");
  EXPECT_EQ(screen.messages[3].prompt, "More of me is hidden then is seen. I am light than what I am made of");
}

}  // namespace
}  // namespace tessara
