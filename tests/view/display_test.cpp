// The refresh from the model: pictures, markers, lines and value labels. Where they
// land on the screen in each orientation is seen in the scenes of tests/pictures.
#include "view/display.h"

#include <gtest/gtest.h>

#include <array>

#include "circuits.h"
#include "fake_screen.h"

namespace tessara {
namespace {
using testing::PutGate;
using testing::PutLink;

struct Refresh : ::testing::Test {
  testing::FakeScreen& Shown() {
    DisplayObjects(doc, screen);
    return screen;
  }
  Document doc;
  testing::FakeScreen screen;
};

// A line's two ends, X1, Y1, X2, Y2.
std::array<Single, 4> Ends(LineElement& line) {
  return {line.X1(), line.Y1(), line.X2(), line.Y2()};
}

// Every kind in every orientation is seen in place in the scenes of tests/pictures; an
// orientation outside 0..3 keeps a gate's last picture and label place, a terminal's
// upright picture, and leaves a line's end unset.
TEST_F(Refresh, AnOrientationOutsideTheFourKeepsWhatWasShown) {
  doc.PowerOn = true;
  for (const auto& [kind, store, kept] : {std::tuple{kAndGate, PictureStore::andimage, 3},
                                          {kInputGate, PictureStore::InputButton, 0}}) {
    for (Long o : {3, 4}) {
      PutGate(doc, 4, kind, 3000, 1000, o);
      Shown();
    }
    EXPECT_EQ(screen.ObjImage(4).GetPicture(), (Picture{store, kept})) << kind;
    EXPECT_TRUE(screen.ObjImage(4).Visible()) << kind;
  }
  PutGate(doc, 0, kInputGate, 0, 1200);
  Shown();
  PutGate(doc, 0, kNotGate, 1000, 2000, 9).GetNewOutput();
  LabelElement& label = Shown().txtObjValue(0);
  EXPECT_EQ(std::pair(label.Left(), label.Top()), std::pair(875.0f, 1425.0f));
  EXPECT_EQ(label.Text(), "1");
  PutGate(doc, 1, kNotGate, 5000, 5000);
  PutLink(doc, 0, 1, 0);
  EXPECT_EQ(Ends(Shown().LinkLine(0)), (std::array<Single, 4>{5800, 5400, 0, 0}));
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

TEST_F(Refresh, LinesEndAtNodeCorners) {
  PutGate(doc, 0, kAndGate, 1000, 1000);
  PutGate(doc, 1, kBufferGate, 4000, 3000);
  PutGate(doc, 2, kOrGate, 6000, 1000);
  PutLink(doc, 0, 0, 1).StopIsNode = true;
  PutLink(doc, 1, 1, 2, 1).StartIsNode = true;
  EXPECT_EQ(Ends(Shown().LinkLine(0)), (std::array<Single, 4>{1800, 1400, 4000, 3000}));
  EXPECT_EQ(Ends(screen.LinkLine(1)), (std::array<Single, 4>{4000, 3000, 6000, 1600}));
}
}  // namespace
}  // namespace tessara
