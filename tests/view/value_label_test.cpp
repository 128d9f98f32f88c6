#include <gtest/gtest.h>

#include "circuits.h"
#include "fake_screen.h"
#include "view/display.h"

namespace tessara {
namespace {

using testing::PutGate;

class ValueLabels : public ::testing::Test {
 protected:
  ValueLabels() { doc.PowerOn = true; }
  const LabelElement& Label(Integer slot) {
    DisplayObjects(doc, screen);
    return screen.txtObjValue(slot);
  }
  Document doc;
  testing::FakeScreen screen;
};

TEST_F(ValueLabels, LabelStandsBesideTheOutputByKindAndOrientation) {
  const struct {
    Long kind, orientation;
    Single x, y, left, top;
  } rows[] = {{kNotGate, 0, 1000, 2000, 1875, 2225},    {kNotGate, 1, 1000, 2000, 1400, 1825},
              {kNotGate, 2, 1000, 2000, 825, 2225},     {kNotGate, 3, 1000, 2000, 1475, 2875},
              {kOutputGate, 0, 8200, 3000, 8100, 3225}, {kOutputGate, 1, 8200, 3000, 8100, 3225},
              {kOutputGate, 2, 8200, 3000, 8100, 3225}, {kOutputGate, 3, 8200, 3000, 8100, 3225},
              {kBufferGate, 0, 4000, 4000, 4000, 3725}, {kInputGate, 0, 0, 1200, 875, 1425}};
  for (const auto& row : rows) {
    PutGate(doc, 0, row.kind, row.x, row.y, row.orientation).GetNewOutput();
    const LabelElement& label = Label(0);
    EXPECT_TRUE(label.Visible());
    EXPECT_EQ(label.Text(), row.kind == kNotGate ? "1" : "0");
    EXPECT_EQ(label.Left(), row.left) << "kind " << row.kind << " orientation " << row.orientation;
    EXPECT_EQ(label.Top(), row.top) << "kind " << row.kind << " orientation " << row.orientation;
  }
}

TEST_F(ValueLabels, NoLabelIsShownWhileNotPoweredNorForADeletedNode) {
  PutGate(doc, 0, kNotGate, 1000, 2000).GetNewOutput();
  PutGate(doc, 1, kInputGate, 0, 1000);
  gate& node = PutGate(doc, 5, kBufferGate, 4000, 4000);
  Label(0);
  node.SetUsed(false);
  EXPECT_FALSE(Label(5).Visible());
  EXPECT_FALSE(screen.buffer(5).Visible());
  doc.PowerOn = false;
  EXPECT_FALSE(Label(0).Visible());
  EXPECT_FALSE(Label(1).Visible());
  EXPECT_EQ(Label(0).Text(), "1") << "a hidden label keeps its text";
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

}  // namespace
}  // namespace tessara
