// Faults found in use, each seen through real mouse events.
#include "window_fixture.h"

namespace tessara::app {
namespace {

using WindowFaults = WindowTest;

constexpr QPoint kCanvasPoint(200, 200);  // a gate placed here covers it

TEST_F(WindowFaults, DoubleClickOnTheBareCanvasActsOnlyWhereItsFirstPressWent) {
  Click(Find(QStringLiteral("NotGateButton")));
  QTest::mouseDClick(&window.Canvas(), Qt::LeftButton, {}, kCanvasPoint);
  EXPECT_TRUE(doc().Gates(0).GetUsed());
  EXPECT_EQ(doc().Gates(0).GetOrientation(), 0) << "the new gate was turned";
  Click(Find(QStringLiteral("LinkButton")));
  Click(Image(0), QPoint(45, 26));  // its output half: a link starts
  ModalWatcher riddle([](QWidget*) {});
  QTest::mouseDClick(&window.Canvas(), Qt::LeftButton, {}, QPoint(400, 300));
  EXPECT_EQ(doc().Gates(1).GetType(), kBufferGate);
  EXPECT_FALSE(riddle.seen()) << "the new bend's double-click box opened";
}

TEST_F(WindowFaults, SecondButtonPressedDuringADragChangesNothing) {
  PlaceWith("AndGateButton", kCanvasPoint);  // gate 0 at (2600, 2600)
  Click(Find(QStringLiteral("CrossButton")));
  const QPoint to = Map(&window.Canvas(), QPoint(300, 250), Image(0));
  Press(Image(0), QPoint(10, 10));
  QTest::mousePress(Image(0), Qt::RightButton, {}, QPoint(40, 40));
  MoveTo(Image(0), to);
  QTest::mouseRelease(Image(0), Qt::RightButton, {}, to);
  Release(Image(0), to);
  EXPECT_EQ(doc().Gates(0).GetX(), 4500 - 150);
  EXPECT_EQ(doc().Gates(0).GetY(), 3750 - 150);
}

}  // namespace
}  // namespace tessara::app
