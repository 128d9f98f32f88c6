// Drags after File > Open, and turned inputs and outputs, on the real window.
#include "temp_folder.h"
#include "window_fixture.h"

namespace tessara::app {
namespace {

using DirectManipulation = WindowTest;

TEST_F(DirectManipulation, DragsAfterOpenPutThePressedPointUnderThePointer) {
  PlaceWith("AndGateButton", QPoint(200, 100));
  PlaceWith("OrGateButton", QPoint(200, 300));
  Click(Find(QStringLiteral("LinkButton")));
  Click(Image(0), QPoint(45, 26));
  Click(&window.Canvas(), QPoint(150, 200));  // a node in slot 2, its marker at (150, 200)
  Click(Image(1), QPoint(5, 10));
  testing::TempFolder folder;
  const std::string path = (folder.path() / "bent.cir").string();
  window.SetFileChooser([&](FileDialogMode, std::string_view, const std::string&) { return path; });
  Find<QAction>(QStringLiteral("Save"))->trigger();
  Find<QAction>(QStringLiteral("Open"))->trigger();
  ASSERT_EQ(window.ObjImage(0).GetDragMode(), DragMode::Automatic);

  Drag(Image(0), QPoint(10, 20), Map(&window.Canvas(), QPoint(300, 250), Image(0)));
  Drag(Marker(2), QPoint(3, 4), Map(&window.Canvas(), QPoint(400, 350), Marker(2)));
  EXPECT_EQ(doc().Gates(0).GetX(), 4500 - 150);
  EXPECT_EQ(doc().Gates(0).GetY(), 3750 - 300);
  EXPECT_EQ(doc().Gates(2).GetX(), 6000 - 45);
  EXPECT_EQ(doc().Gates(2).GetY(), 5250 - 60);
}

// In each orientation: black three pixels in from the link's end, white opposite it.
TEST_F(DirectManipulation, TurnedInputsAndOutputsShowTheirStubsWhereTheirLinksEnd) {
  PlaceWith("InputButton", QPoint(30, 100));
  PlaceWith("OutputButton", QPoint(560, 300));
  Click(Find(QStringLiteral("LinkButton")));
  Click(Image(0), QPoint(45, 26));
  Click(Image(1), QPoint(10, 26));
  Click(Find(QStringLiteral("CrossButton")));
  const LineElement& line = window.LinkLine(0);
  for (int o = 0; o < 4; ++o) {
    for (auto [slot, endX, endY] : {std::tuple{0, line.X1(), line.Y1()}, {1, line.X2(), line.Y2()}}) {
      const gate& g = doc().Gates(static_cast<Integer>(slot));
      auto pixel = [](Single twips) { return std::min(52, static_cast<int>(twips) / kTwipsPerPixel); };
      const QPoint pin(pixel(endX - g.GetX()), pixel(endY - g.GetY()));
      const QPoint inwards = (QPoint(26, 26) - pin) / 8;  // three pixels towards the middle
      const QImage picture = Image(slot)->grab().toImage();
      EXPECT_EQ(picture.pixelColor(pin + inwards), QColor(Qt::black)) << "slot " << slot << " o " << o;
      EXPECT_EQ(picture.pixelColor(QPoint(52, 52) - pin), QColor(Qt::white)) << "slot " << slot << " o " << o;
      QTest::mouseDClick(Image(slot), Qt::LeftButton, {}, QPoint(26, 26));
    }
  }
}

}  // namespace
}  // namespace tessara::app
