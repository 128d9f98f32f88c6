#include "view/display.h"

#include <gtest/gtest.h>

#include "circuits.h"
#include "fake_screen.h"

namespace tessara {
namespace {

using testing::FakeScreen;
using testing::PutGate;
using testing::PutLink;

class Refresh : public ::testing::Test {
 protected:
  Document doc;
  FakeScreen screen;
};

TEST_F(Refresh, EmptyCircuitHidesEverySlotAndBordersTheSelectTool) {
  for (Integer i = 0; i < kSlotCount; ++i) screen.ObjImage(i).SetVisible(true);
  DisplayObjects(doc, screen);
  for (Integer i = 0; i < kSlotCount; ++i) {
    EXPECT_FALSE(screen.ObjImage(i).Visible());
    EXPECT_FALSE(screen.buffer(i).Visible());
    EXPECT_FALSE(screen.txtObjValue(i).Visible());
    EXPECT_FALSE(screen.LinkLine(i).Visible());
  }
  EXPECT_EQ(screen.Palette(PaletteButton::CrossButton).BorderStyle(), 1);
}

TEST_F(Refresh, GateImageStandsWithItsCornerAtTheGate) {
  PutGate(doc, 4, kAndGate, 3000, 1000, 1);
  DisplayObjects(doc, screen);
  const ImageElement& image = screen.ObjImage(4);
  EXPECT_TRUE(image.Visible());
  EXPECT_EQ(image.Left(), 3000);
  EXPECT_EQ(image.Top(), 1000);
  EXPECT_EQ(image.GetPicture(), (Picture{PictureStore::andimage, 1}));
  EXPECT_FALSE(screen.buffer(4).Visible());
}

struct KindPicture {
  Long type;
  PictureStore store;
};

class GatePictures : public Refresh, public ::testing::WithParamInterface<KindPicture> {};

TEST_P(GatePictures, LogicGatesTurnWithTheirOrientation) {
  for (Long o = 0; o < 4; ++o) {
    PutGate(doc, 0, GetParam().type, 2000, 2000, o);
    DisplayObjects(doc, screen);
    EXPECT_EQ(screen.ObjImage(0).GetPicture(), (Picture{GetParam().store, o}));
  }
}

INSTANTIATE_TEST_SUITE_P(EachKind, GatePictures,
                         ::testing::Values(KindPicture{kAndGate, PictureStore::andimage},
                                           KindPicture{kOrGate, PictureStore::orimage},
                                           KindPicture{kNotGate, PictureStore::notimage},
                                           KindPicture{kNandGate, PictureStore::nandimage},
                                           KindPicture{kNorGate, PictureStore::norimage},
                                           KindPicture{kXorGate, PictureStore::xorimage}));

TEST_F(Refresh, InputsAndOutputsShowThePalettePictureInEveryOrientation) {
  for (Long o = 0; o < 4; ++o) {
    PutGate(doc, 0, kInputGate, 0, 500, o);
    PutGate(doc, 1, kOutputGate, 8200, 500, o);
    DisplayObjects(doc, screen);
    EXPECT_EQ(screen.ObjImage(0).GetPicture(), (Picture{PictureStore::InputButton, 0}));
    EXPECT_EQ(screen.ObjImage(1).GetPicture(), (Picture{PictureStore::OutputButton, 0}));
  }
}

TEST_F(Refresh, OrientationOutsideTheFourKeepsThePictureShownBefore) {
  gate& g = PutGate(doc, 0, kOrGate, 2000, 2000, 2);
  DisplayObjects(doc, screen);
  g.SetOrientation(4);
  DisplayObjects(doc, screen);
  EXPECT_EQ(screen.ObjImage(0).GetPicture(), (Picture{PictureStore::orimage, 2}));

  PutGate(doc, 1, kOrGate, 2000, 3000, 7);
  DisplayObjects(doc, screen);
  EXPECT_EQ(screen.ObjImage(1).GetPicture(), Picture{});
}

TEST_F(Refresh, NodeShowsItsMarkerInsteadOfAnImage) {
  screen.ObjImage(3).SetVisible(true);
  PutGate(doc, 3, kBufferGate, 4000, 2500);
  DisplayObjects(doc, screen);
  EXPECT_FALSE(screen.ObjImage(3).Visible());
  EXPECT_TRUE(screen.buffer(3).Visible());
  EXPECT_EQ(screen.buffer(3).Left(), 4000);
  EXPECT_EQ(screen.buffer(3).Top(), 2500);
}

TEST_F(Refresh, SlotReusedByAGateAfterItsNodeWasDeletedShowsNoMarker) {
  gate& node = PutGate(doc, 3, kBufferGate, 4000, 2500);
  DisplayObjects(doc, screen);
  node.SetUsed(false);
  DisplayObjects(doc, screen);
  PutGate(doc, 3, kNotGate, 1000, 1000);
  DisplayObjects(doc, screen);
  EXPECT_FALSE(screen.buffer(3).Visible());
  EXPECT_TRUE(screen.ObjImage(3).Visible());
}

TEST_F(Refresh, LinkLineIsShownOnlyWhileItsSlotIsUsed) {
  PutGate(doc, 0, kInputGate, 0, 1000);
  PutGate(doc, 1, kOutputGate, 8200, 1000);
  linkgates& link = PutLink(doc, 5, 0, 1);
  DisplayObjects(doc, screen);
  EXPECT_TRUE(screen.LinkLine(5).Visible());
  link.SetUsed(false);
  DisplayObjects(doc, screen);
  EXPECT_FALSE(screen.LinkLine(5).Visible());
  EXPECT_EQ(screen.LinkLine(5).X1(), 800) << "a hidden line keeps its ends";
}

struct ToolBorder {
  Long tool;
  std::optional<PaletteButton> bordered;
};

class PaletteBorder : public Refresh, public ::testing::WithParamInterface<ToolBorder> {};

TEST_P(PaletteBorder, OnlyTheCurrentToolsButtonHasABorder) {
  for (int b = 0; b < kPaletteButtonCount; ++b) {
    screen.Palette(static_cast<PaletteButton>(b)).SetBorderStyle(1);
  }
  doc.CurrentTool = GetParam().tool;
  DisplayObjects(doc, screen);
  for (int b = 0; b < kPaletteButtonCount; ++b) {
    const auto button = static_cast<PaletteButton>(b);
    EXPECT_EQ(screen.Palette(button).BorderStyle(), button == GetParam().bordered ? 1 : 0)
        << "button " << b;
  }
}

INSTANTIATE_TEST_SUITE_P(
    EachTool, PaletteBorder,
    ::testing::Values(ToolBorder{0, PaletteButton::CrossButton},
                      ToolBorder{1, PaletteButton::LinkButton},
                      ToolBorder{2, PaletteButton::AndGateButton},
                      ToolBorder{3, PaletteButton::OrGateButton},
                      ToolBorder{4, PaletteButton::NotGateButton},
                      ToolBorder{5, PaletteButton::InputButton},
                      ToolBorder{6, PaletteButton::OutputButton},
                      ToolBorder{7, std::nullopt},
                      ToolBorder{8, PaletteButton::NandGateButton},
                      ToolBorder{9, PaletteButton::NorGateButton},
                      ToolBorder{10, PaletteButton::XorGateButton},
                      ToolBorder{11, std::nullopt}, ToolBorder{-1, std::nullopt}));

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

TEST_F(Refresh, ResetHidesEveryElementAndMakesGateImagesAutomatic) {
  PutGate(doc, 0, kNotGate, 1000, 1000);
  PutGate(doc, 1, kBufferGate, 3000, 1000);
  PutLink(doc, 0, 0, 1).StopIsNode = true;
  doc.PowerOn = true;
  DisplayObjects(doc, screen);
  screen.buffer(7).SetDragMode(DragMode::Automatic);

  ResetElements(screen);
  for (Integer i = 0; i < kSlotCount; ++i) {
    EXPECT_FALSE(screen.ObjImage(i).Visible());
    EXPECT_FALSE(screen.buffer(i).Visible());
    EXPECT_FALSE(screen.txtObjValue(i).Visible());
    EXPECT_FALSE(screen.LinkLine(i).Visible());
    EXPECT_EQ(screen.ObjImage(i).GetDragMode(), DragMode::Automatic);
  }
  EXPECT_EQ(screen.buffer(0).GetDragMode(), DragMode::Manual) << "markers keep their mode";
  EXPECT_EQ(screen.buffer(7).GetDragMode(), DragMode::Automatic);
}

}  // namespace
}  // namespace tessara
