#include "io/circuit_file.h"
#include "window.h"

namespace tessara {
namespace {

using testing::Message;
using testing::PutGate;

const Message kStartWithOutput{"Error: You must start with an output\r\n", "Error", MessageStyle::Exclamation};
const Message kFinishWithInput{"Error: You must finish with an input\r\n", "Error", MessageStyle::Exclamation};
const Message kClickOnTheGates{"Error: Click on the gates", "Error", MessageStyle::Stop};
const Message kNoRoomForLink{"Error: The circuit has no room for another link", "Error", MessageStyle::Stop};
const Message kNoRoomForGate{"Error: The circuit has no room for another gate", "Error", MessageStyle::Stop};

// A used segment as drawn: from start to input `input` of stop, through nodes as flagged.
linkgates Segment(Integer start, Integer stop, Integer input = 0, bool startIsNode = false,
                  bool stopIsNode = false, Integer linkTo = 0) {
  linkgates segment;
  segment.StartIsNode = startIsNode;
  segment.SetStart(start, 0);
  segment.StopIsNode = stopIsNode;
  segment.SetStop(stop, input);
  segment.LinkTo = linkTo;
  segment.SetUsed(true);
  return segment;
}

using HitTests = Window;

TEST_F(HitTests, TheCellSplitsAtItsMidlineInEveryOrientation) {
  const struct {
    Long orientation;
    Single x, y;
    Long outputSide;
    Integer input;
  } rows[] = {{0, 600, 300, 1, 0}, {0, 100, 500, 0, 1}, {0, 100, 300, 0, 0}, {0, 400, 100, 1, 0},
              {0, 100, 400, 0, 1}, {1, 100, 700, 0, 0}, {1, 600, 100, 1, 1}, {1, 100, 400, 1, 0},
              {1, 400, 700, 0, 1}, {2, 100, 300, 1, 0}, {2, 600, 500, 0, 1}, {2, 400, 700, 1, 1},
              {3, 300, 100, 0, 0}, {3, 500, 600, 1, 1}, {3, 100, 400, 1, 0}, {4, 600, 600, 0, 0}};
  for (const auto& row : rows) {
    PutGate(doc, 0, kAndGate, 2000, 2000, row.orientation);
    EXPECT_EQ(IsOutputSide(form, row.x, row.y, 0), row.outputSide) << row.orientation << " " << row.x << "," << row.y;
    EXPECT_EQ(GetClickedInput(form, row.x, row.y, 0), row.input) << row.orientation << " " << row.x << "," << row.y;
  }
}

class Links : public Window {
 protected:
  Links() {
    a = Place(AndGateButton_Click, 2000, 1000);
    b = Place(OrGateButton_Click, 6000, 3000);
    LinkButton_Click(form);
  }
  Integer a = 0, b = 0;
};

TEST_F(Links, OutputThenInputHalfMakesOneStraightSegmentThroughToolAndPowerChanges) {
  PressOutput(a);
  EXPECT_EQ(form.LinkStarted, 1);
  EXPECT_EQ(UsedLinks(), 0) << "the segment being drawn is not in use";
  Place(AndGateButton_Click, 4000, 5000);
  Power_Click(form);
  Power_Click(form);
  LinkButton_Click(form);
  PressInput(b, 1);
  EXPECT_EQ(form.LinkStarted, 0);
  EXPECT_EQ(Link(0), Segment(a, b, 1));
  EXPECT_TRUE(screen.LinkLine(0).Visible());
}

TEST_F(Links, StartAtAnInputFinishAtAnOutputAndBareCanvasAreRefusedAndTheDrawingGoesOn) {
  PressCanvas(2000, 2000);
  PressInput(b);
  EXPECT_EQ(form.LinkStarted, 0);
  PressOutput(a);
  PressOutput(b);
  EXPECT_EQ(form.LinkStarted, 1);
  EXPECT_EQ(screen.messages, (std::vector<Message>{kClickOnTheGates, kStartWithOutput, kFinishWithInput}));
  EXPECT_EQ(UsedLinks(), 0);
  EXPECT_FALSE(Gate(2).GetUsed()) << "the bare canvas made no node";
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
  const linkgates chain[] = {Segment(a, n1, 0, false, true, 1), Segment(n1, n2, 0, true, true, 2),
                             Segment(n2, b, 0, true, false)};
  for (Integer j = 0; j < 3; ++j) EXPECT_EQ(Link(j), chain[j]) << "segment " << j;
  EXPECT_EQ(UsedLinks(), 3);
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

TEST_F(Links, FullCircuitRefusesTheStartOrTheNodeAndLeavesTheDrawingOpen) {
  for (Integer j = 0; j < kSlotCount; ++j) doc.Links(j).SetUsed(true);
  PressOutput(a);
  EXPECT_EQ(form.LinkStarted, 0) << "no free link slot";
  for (Integer j = 1; j < kSlotCount; ++j) doc.Links(j).SetUsed(false);
  PressOutput(a);
  for (Integer j = 1; j < kSlotCount; ++j) doc.Links(j).SetUsed(j != form.CurrentLink);
  PressCanvas(3000, 3000);
  EXPECT_FALSE(Gate(2).GetUsed()) << "no node without a second link slot";
  for (Integer j = 1; j < kSlotCount; ++j) doc.Links(j).SetUsed(false);
  for (Integer i = 2; i < kSlotCount; ++i) PutGate(doc, i, kNotGate, 1000, 100 * i);
  const std::string before = WriteCircuit(doc);
  PressCanvas(3000, 3000);
  EXPECT_EQ(WriteCircuit(doc), before) << "no node without a free gate slot";
  EXPECT_EQ(screen.messages, (std::vector<Message>{kNoRoomForLink, kNoRoomForLink, kNoRoomForGate}));
  PressInput(b);
  EXPECT_EQ(Link(form.CurrentLink), Segment(a, b));
}

// A link being drawn is given up with what it starts from, and kept otherwise.
TEST_F(Links, DeletingTheStartGateEndsTheDrawing) {
  PressOutput(a);
  TrashCan_DragDrop(form, {DragPool::ObjImage, a});
  EXPECT_EQ(form.LinkStarted, 0);
  PressInput(b);
  EXPECT_EQ(UsedLinks(), 0);
  EXPECT_EQ(screen.messages, std::vector<Message>{kStartWithOutput});
}

TEST_F(Links, DeletingANodeOfTheDrawingOrNewEndsTheDrawingButAnotherGateDoesNot) {
  PressOutput(a);
  PressCanvas(3000, 2000);
  PressCanvas(4000, 2000);
  TrashCan_DragDrop(form, {DragPool::ObjImage, b});
  EXPECT_EQ(form.LinkStarted, 1);
  TrashCan_DragDrop(form, {DragPool::buffer, 2});
  EXPECT_EQ(form.LinkStarted, 0);
  PressOutput(a);
  New_Click(form);
  EXPECT_EQ(form.LinkStarted, 0);
}

}  // namespace
}  // namespace tessara
