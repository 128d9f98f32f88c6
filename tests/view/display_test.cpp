#include "view/display.h"

#include <gtest/gtest.h>

#include "circuits.h"
#include "fake_screen.h"

namespace tessara {
namespace {

using testing::PutGate;
using testing::PutLink;

class Refresh : public ::testing::Test {
 protected:
  // Every element of every slot is hidden.
  void ExpectAllHidden() {
    for (Integer i = 0; i < kSlotCount; ++i) {
      EXPECT_FALSE(screen.ObjImage(i).Visible() || screen.buffer(i).Visible() ||
                   screen.txtObjValue(i).Visible() || screen.LinkLine(i).Visible()) << "slot " << i;
    }
  }
  Document doc;
  testing::FakeScreen screen;
};

TEST_F(Refresh, GateImageStandsAtItsGateShowingItsKindTurned) {
  const std::pair<Long, PictureStore> kinds[] = {
      {kAndGate, PictureStore::andimage},   {kOrGate, PictureStore::orimage},
      {kNotGate, PictureStore::notimage},   {kNandGate, PictureStore::nandimage},
      {kNorGate, PictureStore::norimage},   {kXorGate, PictureStore::xorimage},
      {kInputGate, PictureStore::InputButton}, {kOutputGate, PictureStore::OutputButton}};
  for (const auto& [type, store] : kinds) {
    for (Long o = 0; o < 4; ++o) {
      PutGate(doc, 4, type, 3000, 1000, o);
      DisplayObjects(doc, screen);
      EXPECT_EQ(screen.ObjImage(4).GetPicture(), (Picture{store, static_cast<int>(o)}))
          << "kind " << type << " orientation " << o;
      EXPECT_TRUE(screen.ObjImage(4).Visible());
      EXPECT_EQ(screen.ObjImage(4).Left(), doc.Gates(4).GetX());
      EXPECT_EQ(screen.ObjImage(4).Top(), 1000);
      EXPECT_FALSE(screen.buffer(4).Visible());
    }
  }
}

TEST_F(Refresh, OrientationOutsideTheFourKeepsThePictureShownBefore) {
  gate& g = PutGate(doc, 0, kOrGate, 2000, 2000, 2);
  DisplayObjects(doc, screen);
  g.SetOrientation(4);
  PutGate(doc, 1, kOrGate, 2000, 3000, 7);
  DisplayObjects(doc, screen);
  EXPECT_EQ(screen.ObjImage(0).GetPicture(), (Picture{PictureStore::orimage, 2}));
  EXPECT_EQ(screen.ObjImage(1).GetPicture(), Picture{});
}

TEST_F(Refresh, NodeShowsOnlyItsMarkerAndSlotsOutOfUseShowNothingButKeepTheirPlaces) {
  screen.ObjImage(3).SetVisible(true);
  gate& node = PutGate(doc, 3, kBufferGate, 4000, 2500);
  PutGate(doc, 0, kInputGate, 0, 1000);
  PutGate(doc, 1, kOutputGate, 8200, 1000);
  linkgates& link = PutLink(doc, 5, 0, 1);
  DisplayObjects(doc, screen);
  EXPECT_FALSE(screen.ObjImage(3).Visible());
  EXPECT_TRUE(screen.buffer(3).Visible());
  EXPECT_EQ(screen.buffer(3).Left(), 4000);
  EXPECT_EQ(screen.buffer(3).Top(), 2500);
  EXPECT_TRUE(screen.LinkLine(5).Visible());

  node.SetUsed(false);
  link.SetUsed(false);
  DisplayObjects(doc, screen);
  EXPECT_FALSE(screen.buffer(3).Visible());
  EXPECT_FALSE(screen.LinkLine(5).Visible());
  EXPECT_EQ(screen.LinkLine(5).X1(), 800) << "a hidden line keeps its ends";

  PutGate(doc, 3, kNotGate, 1000, 1000);  // the slot reused by a gate shows no marker
  DisplayObjects(doc, screen);
  EXPECT_FALSE(screen.buffer(3).Visible());
  EXPECT_TRUE(screen.ObjImage(3).Visible());
}

TEST_F(Refresh, OnlyTheCurrentToolsPaletteButtonHasABorder) {
  using enum PaletteButton;
  const std::pair<Long, std::optional<PaletteButton>> rows[] = {
      {0, CrossButton},      {1, LinkButton},    {2, AndGateButton}, {3, OrGateButton},
      {4, NotGateButton},    {5, InputButton},   {6, OutputButton},  {7, std::nullopt},
      {8, NandGateButton},   {9, NorGateButton}, {10, XorGateButton}, {11, std::nullopt},
      {-1, std::nullopt}};
  for (int b = 0; b < kPaletteButtonCount; ++b) screen.Palette(static_cast<PaletteButton>(b)).SetBorderStyle(1);
  for (const auto& [tool, bordered] : rows) {
    doc.CurrentTool = tool;
    DisplayObjects(doc, screen);
    for (int b = 0; b < kPaletteButtonCount; ++b) {
      const auto button = static_cast<PaletteButton>(b);
      EXPECT_EQ(screen.Palette(button).BorderStyle(), button == bordered ? 1 : 0) << "tool " << tool << " button " << b;
    }
  }
}

TEST_F(Refresh, SecondRefreshChangesNothing) {
  PutGate(doc, 0, kInputGate, 0, 1000);
  PutGate(doc, 1, kNandGate, 2000, 1000, 3);
  PutGate(doc, 2, kBufferGate, 5000, 3000);
  PutGate(doc, 3, kOutputGate, 8200, 1000, 2);
  PutLink(doc, 0, 0, 1, 1);
  PutLink(doc, 1, 1, 2).StopIsNode = true;
  PutLink(doc, 2, 2, 3).StartIsNode = true;
  doc.PowerOn = true;
  doc.CurrentTool = kNorGate;
  DisplayObjects(doc, screen);
  const testing::ElementsSnapshot first = screen.Snapshot();
  DisplayObjects(doc, screen);
  EXPECT_EQ(screen.Snapshot(), first);
}

TEST_F(Refresh, ResetElementsAndTheEmptiedCircuitHideEverything) {
  PutGate(doc, 0, kNotGate, 1000, 1000);
  PutGate(doc, 1, kBufferGate, 3000, 1000);
  PutLink(doc, 0, 0, 1).StopIsNode = true;
  doc.PowerOn = true;
  DisplayObjects(doc, screen);
  screen.buffer(7).SetDragMode(DragMode::Automatic);
  ResetElements(screen);
  ExpectAllHidden();
  for (Integer i = 0; i < kSlotCount; ++i) EXPECT_EQ(screen.ObjImage(i).GetDragMode(), DragMode::Automatic);
  EXPECT_EQ(screen.buffer(0).GetDragMode(), DragMode::Manual) << "markers keep their mode";
  EXPECT_EQ(screen.buffer(7).GetDragMode(), DragMode::Automatic);

  DisplayObjects(doc, screen);
  doc.Reset();
  DisplayObjects(doc, screen);
  ExpectAllHidden();
  EXPECT_EQ(screen.Palette(PaletteButton::CrossButton).BorderStyle(), 1);
}

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
