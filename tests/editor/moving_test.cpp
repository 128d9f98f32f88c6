#include "window.h"

namespace tessara {
namespace {

using testing::Message;
using testing::PutGate;

using Moving = Window;

struct Drop {
  void (*button)(Form&);
  Single dropX, dropY;
  Single x, y;
};

class Drops : public Window, public ::testing::WithParamInterface<Drop> {};

TEST_P(Drops, PressedPointOfTheImageStaysUnderThePointer) {
  const Integer slot = Place(GetParam().button, 2000, 2000);
  CrossButton_Click(form);
  ObjImage_MouseDown(form, slot, 100, 200);
  Tessara_Frame_DragDrop(form, {DragPool::ObjImage, slot}, GetParam().dropX, GetParam().dropY);
  EXPECT_EQ(Gate(slot).GetX(), GetParam().x);
  EXPECT_EQ(Gate(slot).GetY(), GetParam().y);
  EXPECT_EQ(screen.ObjImage(slot).Left(), GetParam().x);
}

INSTANTIATE_TEST_SUITE_P(EachKind, Drops,
                         ::testing::Values(Drop{AndGateButton_Click, 3000, 4000, 2900, 3800},
                                           Drop{AndGateButton_Click, 500, 4000, 800, 3800},
                                           Drop{InputButton_Click, 5000, 3000, 0, 2800},
                                           Drop{OutputButton_Click, 5000, 3000, 8200, 2800}));

TEST_F(Moving, AutomaticDragAfterStartUpDropsWithTheLastGrabOffset) {
  PutGate(doc, 0, kNotGate, 1000, 1000);
  Tessara_Frame_DragDrop(form, {DragPool::ObjImage, 0}, 3000, 3000);
  EXPECT_EQ(Gate(0).GetX(), 3000) << "no press yet: the offset is (0, 0)";
  EXPECT_EQ(screen.ObjImage(0).GetDragMode(), DragMode::Manual);
  EXPECT_EQ(screen.ObjImage(1).GetDragMode(), DragMode::Automatic);
}

TEST_F(Moving, NodeDragsFromItsOwnPressWithAnyToolAndDropsWithTheGatesOffset) {
  PutGate(doc, 0, kNotGate, 1000, 1000);
  PutGate(doc, 1, kBufferGate, 4000, 4000);
  AndGateButton_Click(form);
  ObjImage_MouseDown(form, 0, 150, 250);
  Power_Click(form);
  buffer_MouseDown(form, 1);
  EXPECT_EQ(screen.drags, (std::vector<DragSource>{{DragPool::buffer, 1}}));
  Tessara_Frame_DragDrop(form, {DragPool::buffer, 1}, 3000, 4000);
  EXPECT_EQ(Gate(1).GetX(), 2850);
  EXPECT_EQ(Gate(1).GetY(), 3750);
  EXPECT_EQ(screen.buffer(1).Left(), 2850);
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
  PressOutput(in1);
  PressInput(gateSlot, 0);
  PressOutput(in2);
  PressInput(gateSlot, 1);
  PressOutput(gateSlot);
  PressInput(out);
  ASSERT_EQ(UsedLinks(), 3);

  TrashCan_DragDrop(form, {DragPool::ObjImage, gateSlot});
  EXPECT_FALSE(Gate(gateSlot).GetUsed());
  EXPECT_EQ(UsedLinks(), 0);
  EXPECT_FALSE(screen.ObjImage(gateSlot).Visible());
  EXPECT_FALSE(screen.LinkLine(2).Visible());
  EXPECT_TRUE(Gate(in1).GetUsed());
  EXPECT_TRUE(Gate(out).GetUsed());
}

TEST_F(Moving, DeletingANodeInAChainFreesOnlyItsTwoSegments) {
  const Integer a = Place(AndGateButton_Click, 2000, 1000);
  const Integer b = Place(OrGateButton_Click, 6000, 3000);
  LinkButton_Click(form);
  PressOutput(a);
  PressCanvas(3000, 2000);  // N1 in slot 2, segments 0 and 1
  PressCanvas(4000, 2000);  // N2 in slot 3, segment 2
  PressInput(b);

  TrashCan_DragDrop(form, {DragPool::buffer, 2});
  EXPECT_FALSE(Link(0).GetUsed());
  EXPECT_FALSE(Link(1).GetUsed());
  EXPECT_TRUE(Link(2).GetUsed());
  EXPECT_TRUE(Gate(3).GetUsed());
  EXPECT_FALSE(screen.buffer(2).Visible());
  EXPECT_TRUE(screen.buffer(3).Visible());
}

TEST_F(Moving, TrashCanPressAndCanvasReleaseChangeNothing) {
  const int refreshes = screen.Refreshes();
  TrashCan_MouseDown(form);
  Tessara_Frame_MouseUp(form);
  EXPECT_EQ(screen.Refreshes(), refreshes);
}

TEST_F(Moving, NodesTellRiddlesAndJokesInTurn) {
  for (int round = 0; round < 2; ++round) {
    for (int n = 0; n < 4; ++n) buffer_DblClick(form);
  }
  ASSERT_EQ(screen.messages.size(), 8u);
  const std::vector<std::string> titles = {"Riddle", "Joke", "Joke", "Riddle"};
  for (std::size_t n = 0; n < 8; ++n) {
    EXPECT_EQ(screen.messages[n].title, titles[n % 4]);
    EXPECT_EQ(screen.messages[n].style, MessageStyle::Stop);
    EXPECT_EQ(screen.messages[n].prompt, screen.messages[n % 4].prompt);
  }
  EXPECT_EQ(screen.messages[0].prompt,
            "What goes around and around all day long, but always straight ahead");
  EXPECT_EQ(screen.messages[1].prompt,
            "How do you tell when a lawyer is lieing?  His lips are moving.");
  EXPECT_EQ(screen.messages[3].prompt,
            "More of me is hidden then is seen. I am light than what I am made of");
}

}  // namespace
}  // namespace tessara
