#include <gtest/gtest.h>

#include "circuits.h"
#include "fake_screen.h"
#include "view/display.h"

namespace tessara {
namespace {

using testing::FakeScreen;
using testing::PutGate;

class ValueLabels : public ::testing::Test {
 protected:
  ValueLabels() { doc.PowerOn = true; }

  const LabelElement& Label(Integer slot) {
    DisplayObjects(doc, screen);
    return screen.txtObjValue(slot);
  }

  Document doc;
  FakeScreen screen;
};

TEST_F(ValueLabels, NoLabelIsShownWhileNotPowered) {
  PutGate(doc, 0, kNotGate, 1000, 2000).GetNewOutput();
  PutGate(doc, 1, kInputGate, 0, 1000);
  DisplayObjects(doc, screen);
  doc.PowerOn = false;
  EXPECT_FALSE(Label(0).Visible());
  EXPECT_FALSE(Label(1).Visible());
  EXPECT_EQ(Label(0).Text(), "1") << "a hidden label keeps its text";
}

struct LabelPlace {
  Long orientation;
  Single left, top;
};

class NotGateLabel : public ValueLabels, public ::testing::WithParamInterface<LabelPlace> {};

TEST_P(NotGateLabel, StandsJustBeyondTheOutputSide) {
  PutGate(doc, 0, kNotGate, 1000, 2000, GetParam().orientation).GetNewOutput();
  const LabelElement& label = Label(0);
  EXPECT_TRUE(label.Visible());
  EXPECT_EQ(label.Text(), "1");
  EXPECT_EQ(label.Left(), GetParam().left);
  EXPECT_EQ(label.Top(), GetParam().top);
}

INSTANTIATE_TEST_SUITE_P(EachOrientation, NotGateLabel,
                         ::testing::Values(LabelPlace{0, 1875, 2225}, LabelPlace{1, 1400, 1825},
                                           LabelPlace{2, 825, 2225},
                                           LabelPlace{3, 1475, 2875}));

TEST_F(ValueLabels, OutputsKeepTheirLabelAtOnePlaceWhenTurned) {
  for (Long o = 0; o < 4; ++o) {
    PutGate(doc, 0, kOutputGate, 8200, 3000, o);
    EXPECT_EQ(Label(0).Left(), 8100);
    EXPECT_EQ(Label(0).Top(), 3225);
  }
}

TEST_F(ValueLabels, NodeLabelStandsAboveItsMarker) {
  PutGate(doc, 0, kBufferGate, 4000, 4000);
  EXPECT_EQ(Label(0).Left(), 4000);
  EXPECT_EQ(Label(0).Top(), 3725);
}

TEST_F(ValueLabels, InputLabelFollowsTheOrientationTable) {
  PutGate(doc, 0, kInputGate, 0, 1200);
  EXPECT_EQ(Label(0).Left(), 875);
  EXPECT_EQ(Label(0).Top(), 1425);
  EXPECT_EQ(Label(0).Text(), "0");
}

TEST_F(ValueLabels, OrientationOutsideTheFourKeepsThePlaceButNotTheText) {
  gate& g = PutGate(doc, 0, kAndGate, 1000, 2000);
  Label(0);
  g.SetOrientation(9);
  g.SetLocation(3000, 3000);
  g.SetInputValue(0, true);
  g.SetInputValue(1, true);
  g.GetNewOutput();
  EXPECT_EQ(Label(0).Left(), 1875);
  EXPECT_EQ(Label(0).Top(), 2225);
  EXPECT_EQ(Label(0).Text(), "1");
}

TEST_F(ValueLabels, DeletedNodeLosesMarkerAndLabelWhilePowered) {
  gate& node = PutGate(doc, 5, kBufferGate, 4000, 4000);
  Label(5);
  node.SetUsed(false);
  EXPECT_FALSE(Label(5).Visible());
  EXPECT_FALSE(screen.buffer(5).Visible());
}

}  // namespace
}  // namespace tessara
