// The refresh from the model: pictures, markers, lines and value labels (the palette's
// borders are read from the real window's pixels in app_tests).
#include "view/display.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "circuits.h"
#include "fake_screen.h"

namespace tessara {
namespace {
using testing::PutGate;
using testing::PutLink;

struct Refresh : ::testing::Test {
  testing::FakeScreen& Shown() {
    DisplayObjects(scene, screen);
    return screen;
  }
  Scene scene;
  Document& doc = scene.doc;
  testing::FakeScreen screen;
};

// A line's two ends, X1, Y1, X2, Y2.
std::array<Single, 4> Ends(LineElement& line) {
  return {line.X1(), line.Y1(), line.X2(), line.Y2()};
}

TEST_F(Refresh, GateImageShowsItsKindTurnedAtItsPlace) {
  const std::pair<Long, PictureStore> kinds[] = {
      {kAndGate, PictureStore::andimage},      {kOrGate, PictureStore::orimage},
      {kNotGate, PictureStore::notimage},      {kNandGate, PictureStore::nandimage},
      {kNorGate, PictureStore::norimage},      {kXorGate, PictureStore::xorimage},
      {kInputGate, PictureStore::InputButton}, {kOutputGate, PictureStore::OutputButton}};
  for (const auto& [type, store] : kinds) {
    for (Long o = 0; o < 5; ++o) {
      PutGate(doc, 4, type, 3000, 1000, o);
      ImageElement& image = Shown().ObjImage(4);
      const bool turns = type != kInputGate && type != kOutputGate;
      const int shown = o < 4 ? int(o) : turns ? 3 : 0;  // 4: a gate's last picture stays
      EXPECT_EQ(image.GetPicture(), (Picture{store, shown})) << type << " turned " << o;
      EXPECT_TRUE(image.Visible()) << type;
      EXPECT_EQ(image.Left(), doc.Gates(4).GetX()) << type;
      EXPECT_EQ(image.Top(), 1000) << type;
    }
  }
}

TEST_F(Refresh, NodeShowsOnlyItsMarkerAndAFreedSlotOrLinkHidesButKeepsItsPlace) {
  screen.ObjImage(3).SetVisible(true);
  PutGate(doc, 3, kBufferGate, 4000, 2500);
  PutGate(doc, 0, kInputGate, 0, 1000);
  PutGate(doc, 1, kOutputGate, 8200, 1000);
  linkgates& link = PutLink(doc, 5, 0, 1);
  EXPECT_FALSE(Shown().ObjImage(3).Visible());
  EXPECT_TRUE(screen.buffer(3).Visible());
  EXPECT_EQ(screen.buffer(3).Left(), 4000);
  EXPECT_EQ(screen.buffer(3).Top(), 2500);
  PutGate(doc, 3, kNotGate, 1000, 1000);  // at once, as an undo puts a whole circuit back
  EXPECT_FALSE(Shown().buffer(3).Visible()) << "a gate in a node's slot shows no marker";
  doc.Gates(3).SetUsed(false);
  link.SetUsed(false);
  EXPECT_FALSE(Shown().ObjImage(3).Visible());
  EXPECT_FALSE(screen.LinkLine(5).Visible());
  EXPECT_EQ(screen.LinkLine(5).X1(), 800) << "a hidden line keeps its ends";
}

TEST_F(Refresh, PoweredLabelStandsBesideTheOutputByKindAndOrientationShowingItsValue) {
  const struct {
    Long kind, orientation;
    Single x, y, left, top;
  } rows[] = {{kNotGate, 0, 1000, 2000, 1875, 2225},
              {kNotGate, 1, 1000, 2000, 1400, 1825},
              {kNotGate, 2, 1000, 2000, 825, 2225},
              {kNotGate, 3, 1000, 2000, 1475, 2875},
              {kOutputGate, 1, 8200, 3000, 8100, 3225},
              {kBufferGate, 0, 4000, 4000, 4000, 3725},
              {kInputGate, 0, 0, 1200, 875, 1425},
              {kNotGate, 9, 1000, 2000, 875, 1425}};  // 9: stays where it was
  doc.PowerOn = true;
  for (const auto& row : rows) {
    PutGate(doc, 0, row.kind, row.x, row.y, row.orientation).GetNewOutput();
    LabelElement& label = Shown().txtObjValue(0);
    EXPECT_TRUE(label.Visible()) << "kind " << row.kind;
    EXPECT_EQ(std::pair(label.Left(), label.Top()), std::pair(row.left, row.top))
        << "kind " << row.kind << " turned " << row.orientation;
    EXPECT_EQ(label.Text(), row.kind == kNotGate ? "1" : "0") << "kind " << row.kind;
  }
  doc.PowerOn = false;
  EXPECT_FALSE(Shown().txtObjValue(0).Visible());
}

TEST_F(Refresh, LinesEndAtThePinsOfTheCellInEveryOrientationAndAtNodeCorners) {
  constexpr Integer kOut =
      -1;  // the output pin, where a line starts; the cell's corner is (3000, 1000)
  const struct {
    Long kind, orientation;
    Integer pin;
    Single x, y;
  } rows[] = {{kAndGate, 0, kOut, 3800, 1400}, {kAndGate, 0, 0, 3000, 1150},
              {kAndGate, 0, 1, 3000, 1600},    {kAndGate, 1, kOut, 3400, 1000},
              {kAndGate, 1, 0, 3150, 1800},    {kAndGate, 1, 1, 3600, 1800},
              {kAndGate, 2, kOut, 3000, 1400}, {kAndGate, 2, 0, 3800, 1150},
              {kAndGate, 2, 1, 3800, 1600},    {kAndGate, 3, kOut, 3400, 1800},
              {kAndGate, 3, 0, 3150, 1000},    {kAndGate, 3, 1, 3600, 1000},
              {kNotGate, 0, 1, 3000, 1400},    {kInputGate, 1, kOut, 400, 1000},
              {kOutputGate, 1, 0, 3400, 1800}, {kBufferGate, 0, 0, 3000, 1010},
              {kAndGate, 4, 0, 0, 0}};  // 4: a line never placed stays unset
  for (const auto& row : rows) {
    Scene fresh;
    testing::FakeScreen lines;
    PutGate(fresh.doc, 0, row.kind, 3000, 1000, row.orientation);
    PutGate(fresh.doc, 1, kNotGate, 5000, 5000);
    PutLink(fresh.doc, 0, 0, 1);
    PutLink(fresh.doc, 1, 1, 0, 0);
    PutLink(fresh.doc, 2, 1, 0, 1);
    DisplayObjects(fresh, lines);
    const std::array<Single, 4> ends = Ends(lines.LinkLine(row.pin == kOut ? 0 : row.pin + 1));
    EXPECT_EQ(row.pin == kOut ? std::pair(ends[0], ends[1]) : std::pair(ends[2], ends[3]),
              std::pair(row.x, row.y))
        << "kind " << row.kind << " turned " << row.orientation << " pin " << row.pin;
  }
  PutGate(doc, 0, kAndGate, 1000, 1000);
  PutGate(doc, 1, kBufferGate, 4000, 3000);
  PutGate(doc, 2, kOrGate, 6000, 1000);
  PutLink(doc, 0, 0, 1).StopIsNode = true;
  PutLink(doc, 1, 1, 2, 1).StartIsNode = true;
  EXPECT_EQ(Ends(Shown().LinkLine(0)), (std::array<Single, 4>{1800, 1400, 4000, 3000}));
  EXPECT_EQ(Ends(screen.LinkLine(1)), (std::array<Single, 4>{4000, 3000, 6000, 1600}));
}

TEST_F(Refresh, EachWarningIsMarkedWhereItBelongsUnlessPoweredOrHidden) {
  testing::PutEveryWarning(doc);
  using S = MarkShape;
  const std::tuple<MarkShape, Single, Single, Single, std::string> expected[] = {
      {S::Ring, 1910, 910, 180, "and 1 input 1 is not linked"},  // turned 5: at its corner
      {S::Ring, 1910, 910, 180, "and 1 input 0 is linked more than once"},
      {S::Outline, 1955, 955, 890, "and 1 has orientation 5, outside 0..3"},
      {S::Ring, 3910, 3060, 180, "nor 3 input 0 is not linked"},  // 150 down its left side
      {S::DashedOutline, 3955, 4955, 225, "node 7 drives nothing"},
      {S::Ring, 8110, 910, 180, "link 2 is marked as ending at a node, but slot 2 holds output"},
      {S::Ring, 710, 310, 180, "link 3 starts at empty slot 5"},  // where its line starts
      {S::Ring, -90, -90, 180, "link 4 ends at empty slot 6"},
      {S::Ring, -90, 910, 180, "link 5 is marked as starting at a node, but slot 0 holds input"},
  };
  const std::vector<ProblemMark> marks = Shown().ProblemMarks().Marks();
  ASSERT_EQ(marks.size(), std::size(expected));
  for (std::size_t i = 0; i < marks.size(); ++i) {
    const ProblemMark& m = marks[i];
    EXPECT_EQ(std::tuple(m.shape, m.left, m.top, m.width, m.text.English()), expected[i]);
    EXPECT_EQ(m.width, m.height) << i;
  }
  DisplayObjects(scene, screen, {}, false);
  EXPECT_TRUE(screen.ProblemMarks().Marks().empty()) << "Show Problems off";
  doc.PowerOn = true;
  EXPECT_TRUE(Shown().ProblemMarks().Marks().empty()) << "powered";
}
TEST_F(Refresh, ScreenReadersHearEachGateAndTheCircuitWithoutValuesWhileUnpowered) {
  PutGate(doc, 0, kInputGate, 0, 1000);
  PutGate(doc, 1, kNandGate, 3000, 1000);
  PutGate(doc, 2, kNotGate, 5000, 1000);
  PutGate(doc, 3, kOrGate, 5000, 3000);
  PutLink(doc, 0, 0, 1, 1);
  PutLink(doc, 1, 1, 2);
  PutLink(doc, 2, 1, 3, 1);
  PutLink(doc, 3, 0, 3);
  scene.keys.focus = 1;
  const std::pair<Integer, const char*> rows[] = {
      {0, "input I1"},
      {1, "NAND gate 1, inputs from nothing and I1, drives NOT 2 and OR 3"},
      {3, "OR gate 3, inputs from I1 and NAND 1"}};
  Shown();
  for (const auto& [slot, text] : rows)
    EXPECT_EQ(screen.ObjImage(slot).GetSpoken().name.English(), text);
  EXPECT_EQ(screen.ObjImage(1).GetSpoken(),
            (Spoken{screen.ObjImage(1).GetSpoken().name, std::nullopt, true}));
  EXPECT_EQ(screen.CanvasSpoken().English(), "circuit: 3 gates, 1 input, 0 outputs, not powered");
  EXPECT_TRUE(screen.FocusMark().Visible());
  doc.Gates(1).SetUsed(false);
  Shown();
  EXPECT_FALSE(screen.FocusMark().Visible()) << "a focus on a freed slot frames nothing";
  ResetElements(screen);
  EXPECT_EQ(screen.CanvasSpoken().English(), "circuit: 0 gates, 0 inputs, 0 outputs, not powered");
}

}  // namespace
}  // namespace tessara
