#include <gtest/gtest.h>

#include "circuits.h"
#include "fake_screen.h"
#include "view/display.h"

namespace tessara {
namespace {

using testing::PutGate;
using testing::PutLink;

struct Point {
  Single x, y;
  bool operator==(const Point&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Point& p) { return out << "(" << p.x << ", " << p.y << ")"; }

Point Start(testing::FakeScreen& screen, Integer link) {
  return {screen.LinkLine(link).X1(), screen.LinkLine(link).Y1()};
}
Point Stop(testing::FakeScreen& screen, Integer link) {
  return {screen.LinkLine(link).X2(), screen.LinkLine(link).Y2()};
}

constexpr Integer kOut = -1;  // the gate's output pin, where a line starts

TEST(LinkEnds, LinesAttachAtThePinsOfTheGateCellInEveryOrientation) {
  // The gate's cell corner is at (3000, 1000); an input's x always reads 0.
  const struct {
    Long kind, orientation;
    Integer pin;
    Point at;
  } rows[] = {
      {kAndGate, 0, kOut, {3800, 1400}},   {kAndGate, 0, 0, {3000, 1150}},   {kAndGate, 0, 1, {3000, 1600}},
      {kAndGate, 1, kOut, {3400, 1000}},   {kAndGate, 1, 0, {3150, 1800}},   {kAndGate, 1, 1, {3600, 1800}},
      {kAndGate, 2, kOut, {3000, 1400}},   {kAndGate, 2, 0, {3800, 1150}},   {kAndGate, 2, 1, {3800, 1600}},
      {kAndGate, 3, kOut, {3400, 1800}},   {kAndGate, 3, 0, {3150, 1000}},   {kAndGate, 3, 1, {3600, 1000}},
      {kNotGate, 0, 0, {3000, 1400}},      {kNotGate, 0, 1, {3000, 1400}},   {kInputGate, 0, kOut, {800, 1400}},
      {kInputGate, 1, kOut, {400, 1000}},  {kOutputGate, 0, 1, {3000, 1400}}, {kOutputGate, 1, 0, {3400, 1800}},
      {kBufferGate, 0, kOut, {3800, 1400}}, {kBufferGate, 0, 0, {3000, 1010}},  // a node without its flag
      {kNoGate, 0, kOut, {800, 400}},      {kNoGate, 0, 0, {0, 0}},  // an empty slot: a cell at the origin
  };
  for (const auto& row : rows) {
    Document doc;
    testing::FakeScreen screen;
    PutGate(doc, 0, row.kind, 3000, 1000, row.orientation);
    PutGate(doc, 1, kNotGate, 5000, 5000);
    PutLink(doc, 0, 0, 1);
    PutLink(doc, 1, 1, 0, 0);
    PutLink(doc, 2, 1, 0, 1);
    DisplayObjects(doc, screen);
    EXPECT_EQ(row.pin == kOut ? Start(screen, 0) : Stop(screen, row.pin + 1), row.at)
        << "kind " << row.kind << " orientation " << row.orientation << " pin " << row.pin;
  }
}

TEST(LinkEnds, ChainBendsExactlyAtTheNodesCorner) {
  Document doc;
  testing::FakeScreen screen;
  PutGate(doc, 0, kAndGate, 1000, 1000);
  PutGate(doc, 1, kBufferGate, 4000, 3000);
  PutGate(doc, 2, kOrGate, 6000, 1000);
  linkgates& first = PutLink(doc, 0, 0, 1);
  first.StopIsNode = true;
  first.LinkTo = 1;
  PutLink(doc, 1, 1, 2, 1).StartIsNode = true;
  DisplayObjects(doc, screen);
  EXPECT_EQ(Stop(screen, 0), (Point{4000, 3000}));
  EXPECT_EQ(Start(screen, 1), (Point{4000, 3000}));
  EXPECT_EQ(Stop(screen, 1), (Point{6000, 1600}));
}

TEST(LinkEnds, OrientationOutsideTheFourLeavesThatEndWhereItWas) {
  Document doc;
  testing::FakeScreen screen;
  gate& a = PutGate(doc, 0, kAndGate, 1000, 1000);
  gate& b = PutGate(doc, 1, kAndGate, 5000, 1000);
  PutLink(doc, 0, 0, 1);
  DisplayObjects(doc, screen);
  a.SetOrientation(4);
  a.SetLocation(2000, 2000);
  b.SetOrientation(5);
  PutGate(doc, 2, kAndGate, 6000, 3000);
  PutLink(doc, 1, 2, 1);
  DisplayObjects(doc, screen);
  EXPECT_EQ(Start(screen, 0), (Point{1800, 1400})) << "the start stays";
  EXPECT_EQ(Stop(screen, 0), (Point{5000, 1150})) << "the stop stays";
  EXPECT_EQ(Stop(screen, 1), (Point{0, 0})) << "a line never placed stays at its start";
  EXPECT_EQ(Start(screen, 1), (Point{6800, 3400})) << "the other end still follows its gate";
}

}  // namespace
}  // namespace tessara
