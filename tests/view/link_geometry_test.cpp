#include <gtest/gtest.h>

#include "circuits.h"
#include "fake_screen.h"
#include "view/display.h"

namespace tessara {
namespace {

using testing::FakeScreen;
using testing::PutGate;
using testing::PutLink;

struct Point {
  Single x, y;
  bool operator==(const Point&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Point& p) {
  return out << "(" << p.x << ", " << p.y << ")";
}

class LinkEnds : public ::testing::Test {
 protected:
  Point Start(Integer link) {
    DisplayObjects(doc, screen);
    return {screen.LinkLine(link).X1(), screen.LinkLine(link).Y1()};
  }
  Point Stop(Integer link) {
    DisplayObjects(doc, screen);
    return {screen.LinkLine(link).X2(), screen.LinkLine(link).Y2()};
  }

  Document doc;
  FakeScreen screen;
};

// An AND gate at (3000, 1000) in each orientation: its output pin and both inputs.
struct AndPins {
  Long orientation;
  Point output, input0, input1;
};

class AndGatePins : public LinkEnds, public ::testing::WithParamInterface<AndPins> {};

TEST_P(AndGatePins, LinesAttachAtThePinsOfTheGateCell) {
  const AndPins& row = GetParam();
  PutGate(doc, 0, kAndGate, 3000, 1000, row.orientation);
  PutGate(doc, 1, kNotGate, 5000, 5000);
  PutLink(doc, 0, 0, 1);
  PutLink(doc, 1, 1, 0, 0);
  PutLink(doc, 2, 1, 0, 1);
  EXPECT_EQ(Start(0), row.output);
  EXPECT_EQ(Stop(1), row.input0);
  EXPECT_EQ(Stop(2), row.input1);
}

INSTANTIATE_TEST_SUITE_P(
    EachOrientation, AndGatePins,
    ::testing::Values(AndPins{0, {3800, 1400}, {3000, 1150}, {3000, 1600}},
                      AndPins{1, {3400, 1000}, {3150, 1800}, {3600, 1800}},
                      AndPins{2, {3000, 1400}, {3800, 1150}, {3800, 1600}},
                      AndPins{3, {3400, 1800}, {3150, 1000}, {3600, 1000}}));

TEST_F(LinkEnds, OneInputKindsTakeEveryInputNumberAtTheMiddle) {
  PutGate(doc, 0, kInputGate, 0, 2000);
  PutGate(doc, 1, kNotGate, 3000, 1000);
  PutGate(doc, 2, kOutputGate, 8200, 2000);
  PutLink(doc, 0, 0, 1, 0);
  PutLink(doc, 1, 0, 1, 1);
  PutLink(doc, 2, 1, 2);
  EXPECT_EQ(Start(0), (Point{800, 2400})) << "an input's output pin";
  EXPECT_EQ(Stop(0), (Point{3000, 1400}));
  EXPECT_EQ(Stop(1), (Point{3000, 1400}));
  EXPECT_EQ(Stop(2), (Point{8200, 2400})) << "an output's input pin";
}

TEST_F(LinkEnds, TurnedInputsAndOutputsMoveTheirPinsThoughTheirPicturesDoNot) {
  PutGate(doc, 0, kInputGate, 0, 2000, 1);
  PutGate(doc, 1, kOutputGate, 8200, 2000, 1);
  PutLink(doc, 0, 0, 1);
  EXPECT_EQ(Start(0), (Point{400, 2000}));
  EXPECT_EQ(Stop(0), (Point{8600, 2800}));
}

TEST_F(LinkEnds, ChainBendsExactlyAtTheNodesCorner) {
  PutGate(doc, 0, kAndGate, 1000, 1000);
  PutGate(doc, 1, kBufferGate, 4000, 3000);
  PutGate(doc, 2, kOrGate, 6000, 1000);
  linkgates& first = PutLink(doc, 0, 0, 1);
  first.StopIsNode = true;
  first.LinkTo = 1;
  PutLink(doc, 1, 1, 2, 1).StartIsNode = true;
  EXPECT_EQ(Stop(0), (Point{4000, 3000}));
  EXPECT_EQ(Start(1), (Point{4000, 3000}));
  EXPECT_EQ(Stop(1), (Point{6000, 1600}));
}

TEST_F(LinkEnds, NodeWithoutItsFlagIsWiredLikeAGate) {
  PutGate(doc, 0, kBufferGate, 4000, 3000);
  PutLink(doc, 0, 0, 0);
  EXPECT_EQ(Start(0), (Point{4800, 3400}));
  EXPECT_EQ(Stop(0), (Point{4000, 3010}));
}

TEST_F(LinkEnds, EmptySlotsGiveTheCornerPinsOfACellAtTheOrigin) {
  PutLink(doc, 0, 10, 11);
  EXPECT_EQ(Start(0), (Point{800, 400}));
  EXPECT_EQ(Stop(0), (Point{0, 0}));
}

TEST_F(LinkEnds, OrientationOutsideTheFourLeavesThatEndWhereItWas) {
  gate& a = PutGate(doc, 0, kAndGate, 1000, 1000);
  gate& b = PutGate(doc, 1, kAndGate, 5000, 1000);
  PutLink(doc, 0, 0, 1);
  DisplayObjects(doc, screen);
  a.SetOrientation(4);
  a.SetLocation(2000, 2000);
  b.SetOrientation(5);
  PutGate(doc, 2, kAndGate, 6000, 3000);
  PutLink(doc, 1, 2, 1);
  EXPECT_EQ(Start(0), (Point{1800, 1400})) << "the start stays";
  EXPECT_EQ(Stop(0), (Point{5000, 1150})) << "the stop stays";
  EXPECT_EQ(Stop(1), (Point{0, 0})) << "a line never placed stays at its start";
  EXPECT_EQ(Start(1), (Point{6800, 3400})) << "the other end still follows its gate";
}

}  // namespace
}  // namespace tessara
