#include "io/circuit_file.h"
#include "window.h"

namespace tessara {
namespace {

using testing::Message;
using testing::PutGate;

const Message kStartWithOutput{"Error: You must start with an output\r\n", "Error",
                               MessageStyle::Exclamation};
const Message kFinishWithInput{"Error: You must finish with an input\r\n", "Error",
                               MessageStyle::Exclamation};
const Message kNoRoomForLink{"Error: The circuit has no room for another link", "Error",
                             MessageStyle::Stop};
const Message kNoRoomForGate{"Error: The circuit has no room for another gate", "Error",
                             MessageStyle::Stop};

// A press point on a gate image in some orientation, and what the two tests make of it.
struct HitRow {
  Long orientation;
  Single x, y;
  Long outputSide;
  Integer input;
};

class HitTests : public Window, public ::testing::WithParamInterface<HitRow> {};

TEST_P(HitTests, TheCellSplitsAtItsMidline) {
  const HitRow& row = GetParam();
  PutGate(doc, 0, kAndGate, 2000, 2000, row.orientation);
  EXPECT_EQ(IsOutputSide(form, row.x, row.y, 0), row.outputSide);
  EXPECT_EQ(GetClickedInput(form, row.x, row.y, 0), row.input);
}

INSTANTIATE_TEST_SUITE_P(
    EachOrientation, HitTests,
    ::testing::Values(HitRow{0, 600, 300, 1, 0}, HitRow{0, 100, 500, 0, 1},
                      HitRow{0, 100, 300, 0, 0}, HitRow{0, 400, 100, 1, 0},
                      HitRow{0, 100, 400, 0, 1}, HitRow{1, 100, 700, 0, 0},
                      HitRow{1, 600, 100, 1, 1}, HitRow{1, 100, 400, 1, 0},
                      HitRow{1, 400, 700, 0, 1}, HitRow{2, 100, 300, 1, 0},
                      HitRow{2, 600, 500, 0, 1}, HitRow{2, 400, 700, 1, 1},
                      HitRow{3, 300, 100, 0, 0}, HitRow{3, 500, 600, 1, 1},
                      HitRow{3, 100, 400, 1, 0}, HitRow{4, 600, 600, 0, 0}));

class Links : public Window {
 protected:
  Links() {
    a = Place(AndGateButton_Click, 2000, 1000);
    b = Place(OrGateButton_Click, 6000, 3000);
    LinkButton_Click(form);
  }
  Integer a = 0, b = 0;
};

TEST_F(Links, OutputThenInputHalfMakesOneStraightSegment) {
  PressOutput(a);
  EXPECT_EQ(form.LinkStarted, 1);
  EXPECT_EQ(UsedLinks(), 0) << "the segment being drawn is not in use";
  PressInput(b, 1);
  EXPECT_EQ(form.LinkStarted, 0);
  const linkgates& link = Link(0);
  EXPECT_TRUE(link.GetUsed());
  EXPECT_EQ(link.StartIndex, a);
  EXPECT_EQ(link.StopIndex, b);
  EXPECT_EQ(link.Stop_Num, 1);
  EXPECT_FALSE(link.StartIsNode);
  EXPECT_FALSE(link.StopIsNode);
  EXPECT_TRUE(screen.LinkLine(0).Visible());
}

TEST_F(Links, StartingAtAnInputIsRefused) {
  PressInput(b);
  EXPECT_EQ(screen.messages, std::vector<Message>{kStartWithOutput});
  EXPECT_EQ(form.LinkStarted, 0);
  EXPECT_EQ(UsedLinks(), 0);
}

TEST_F(Links, FinishingAtAnOutputIsRefusedAndTheDrawingGoesOn) {
  PressOutput(a);
  PressOutput(b);
  EXPECT_EQ(screen.messages, std::vector<Message>{kFinishWithInput});
  EXPECT_EQ(form.LinkStarted, 1);
  PressInput(b);
  EXPECT_EQ(Link(0).StartIndex, a);
  EXPECT_TRUE(Link(0).GetUsed());
}

TEST_F(Links, TwoBendsMakeAChainOfThreeSegmentsThroughTwoNodes) {
  PressOutput(a);
  PressCanvas(3000, 2000);
  PressCanvas(300, 2500);
  PressInput(b);
  const Integer n1 = 2, n2 = 3;
  EXPECT_EQ(Gate(n1).GetType(), kBufferGate);
  EXPECT_EQ(Gate(n1).GetX(), 3000) << "a node stands at the pointer itself";
  EXPECT_EQ(Gate(n2).GetX(), 800) << "within the gate area";
  EXPECT_EQ(Gate(n2).GetY(), 2500);
  EXPECT_TRUE(screen.buffer(n1).Visible());

  struct Expected {
    bool startIsNode;
    Integer start;
    bool stopIsNode;
    Integer stop, linkTo;
  };
  const Expected rows[] = {{false, a, true, n1, 1}, {true, n1, true, n2, 2},
                           {true, n2, false, b, 0}};
  for (Integer j = 0; j < 3; ++j) {
    const Expected& row = rows[j];
    EXPECT_TRUE(Link(j).GetUsed()) << "segment " << j;
    EXPECT_EQ(Link(j).StartIsNode, row.startIsNode) << "segment " << j;
    EXPECT_EQ(Link(j).StartIndex, row.start) << "segment " << j;
    EXPECT_EQ(Link(j).StopIsNode, row.stopIsNode) << "segment " << j;
    EXPECT_EQ(Link(j).StopIndex, row.stop) << "segment " << j;
    if (row.stopIsNode) {
      EXPECT_EQ(Link(j).LinkTo, row.linkTo) << "segment " << j;
    }
  }
  EXPECT_EQ(UsedLinks(), 3);
}

TEST_F(Links, DrawingSurvivesToolAndPowerChanges) {
  PressOutput(a);
  Place(AndGateButton_Click, 4000, 5000);
  Power_Click(form);
  Power_Click(form);
  LinkButton_Click(form);
  PressInput(b);
  EXPECT_TRUE(Link(0).GetUsed());
  EXPECT_EQ(Link(0).StartIndex, a);
}

TEST_F(Links, OnlyTheCrossToolDragsAGateImageAndOnlyWhileNotPowered) {
  PressOutput(a);
  EXPECT_TRUE(screen.drags.empty());
  CrossButton_Click(form);
  ObjImage_MouseDown(form, b, 120, 240);
  EXPECT_EQ(screen.drags, (std::vector<DragSource>{{DragPool::ObjImage, b}}));
  EXPECT_EQ(form.GrabX, 120);
  EXPECT_EQ(form.GrabY, 240);
  Power_Click(form);
  ObjImage_MouseDown(form, b, 10, 20);
  EXPECT_EQ(screen.drags.size(), 1u);
  EXPECT_EQ(form.GrabX, 10) << "every press records the grab offset";
}

TEST_F(Links, WhilePoweredAPressTogglesOnlyInputsAndDrawsNothing) {
  const Integer in = Place(InputButton_Click, 0, 1000);
  LinkButton_Click(form);
  Power_Click(form);
  PressOutput(in);
  EXPECT_TRUE(Gate(in).GetCurrOutput());
  EXPECT_EQ(screen.txtObjValue(in).Text(), "1");
  EXPECT_EQ(form.LinkStarted, 0);
  PressInput(in);
  EXPECT_FALSE(Gate(in).GetCurrOutput());
  PressOutput(a);
  EXPECT_FALSE(Gate(a).GetCurrOutput());
  EXPECT_TRUE(screen.messages.empty());
}

TEST_F(Links, NoFreeLinkSlotRefusesTheStartAndDrawsNothing) {
  for (Integer j = 0; j < kSlotCount; ++j) doc.Links(j).SetUsed(true);
  PressOutput(a);
  PressInput(b);
  EXPECT_EQ(screen.messages, (std::vector<Message>{kNoRoomForLink, kStartWithOutput}));
  EXPECT_EQ(form.LinkStarted, 0);
}

TEST_F(Links, NodeNeedsAFreeGateSlotAndLeavesTheDrawingOpenWithout) {
  PressOutput(a);
  for (Integer i = 2; i < kSlotCount; ++i) PutGate(doc, i, kNotGate, 1000, 100 * i);
  const std::string before = WriteCircuit(doc);
  PressCanvas(3000, 3000);
  EXPECT_EQ(screen.messages, std::vector<Message>{kNoRoomForGate});
  EXPECT_EQ(WriteCircuit(doc), before);
  PressInput(b);
  EXPECT_TRUE(Link(0).GetUsed());
  EXPECT_EQ(Link(0).StopIndex, b);
}

TEST_F(Links, NodeNeedsALinkSlotBesidesTheOneBeingDrawn) {
  PressOutput(a);
  const Integer drawn = form.CurrentLink;
  for (Integer j = 0; j < kSlotCount; ++j) {
    if (j != drawn) doc.Links(j).SetUsed(true);
  }
  PressCanvas(3000, 3000);
  EXPECT_EQ(screen.messages, std::vector<Message>{kNoRoomForLink});
  EXPECT_FALSE(Gate(2).GetUsed()) << "no node was made";
  EXPECT_FALSE(Link(drawn).GetUsed());
  PressInput(b);
  EXPECT_TRUE(Link(drawn).GetUsed());
  EXPECT_FALSE(Link(drawn).StopIsNode);
}

// A link being drawn is given up with what it starts from, and kept otherwise.
class AbandonedLinks : public Links {};

TEST_F(AbandonedLinks, DeletingTheStartGateEndsTheDrawing) {
  PressOutput(a);
  TrashCan_DragDrop(form, {DragPool::ObjImage, a});
  EXPECT_EQ(form.LinkStarted, 0);
  PressInput(b);
  EXPECT_EQ(UsedLinks(), 0);
  EXPECT_EQ(screen.messages, std::vector<Message>{kStartWithOutput});
}

TEST_F(AbandonedLinks, DeletingTheLastNodeEndsTheDrawingButAnEarlierNodeDoesNot) {
  PressOutput(a);
  PressCanvas(3000, 2000);
  PressCanvas(4000, 2000);
  TrashCan_DragDrop(form, {DragPool::buffer, 2});
  EXPECT_EQ(form.LinkStarted, 1);
  TrashCan_DragDrop(form, {DragPool::ObjImage, b});
  EXPECT_EQ(form.LinkStarted, 1);
  TrashCan_DragDrop(form, {DragPool::buffer, 3});
  EXPECT_EQ(form.LinkStarted, 0);
}

TEST_F(AbandonedLinks, NewEndsTheDrawing) {
  PressOutput(a);
  New_Click(form);
  EXPECT_EQ(form.LinkStarted, 0);
}

}  // namespace
}  // namespace tessara
