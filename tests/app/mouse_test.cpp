// Real mouse gestures on the window: the palette, placing, the window's own drags,
// drops, double-clicks and the pointer.
#include <QGuiApplication>

#include "window_fixture.h"

namespace tessara::app {
namespace {

using WindowMouse = WindowTest;

constexpr QPoint kCanvasPoint(200, 200);  // canvas pixels: twips (3000, 3000)

TEST_F(WindowMouse, PaletteClickMovesTheBorderAndTheRightButtonPlacesAsTheLeftDoesButNotOnAHeading) {
  Click(Find(QStringLiteral("NotGateButton")));
  EXPECT_EQ(window.Palette(PaletteButton::NotGateButton).BorderStyle(), 1);
  EXPECT_EQ(window.Palette(PaletteButton::CrossButton).BorderStyle(), 0);
  Click(Find(QStringLiteral("Inputs")));
  EXPECT_FALSE(doc().Gates(0).GetUsed());
  QTest::mouseClick(&window.Canvas(), Qt::RightButton, {}, kCanvasPoint);
  EXPECT_TRUE(doc().Gates(0).GetUsed());
  EXPECT_EQ(doc().Gates(0).GetX(), 2600);
  EXPECT_EQ(Image(0)->pos(), QPoint(173, 173));
}

TEST_F(WindowMouse, ToolPointerShowsOverTheCanvasAndArrowOverTheBackground) {
  Click(Find(QStringLiteral("NotGateButton")));
  MoveTo(&window.Canvas(), kCanvasPoint);
  EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(window.form().MouseX, 3000);
  MoveTo(Find(QStringLiteral("TrashCan")), QPoint(5, 5));
  EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
  MoveTo(window.centralWidget(), QPoint(4, 540));
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

class WindowDragging : public WindowTest {
 protected:
  WindowDragging() {
    PlaceWith("AndGateButton", kCanvasPoint);  // gate 0 at (2600, 2600), image at (173, 173)
    Click(Find(QStringLiteral("CrossButton")));
  }
  QPoint OnImage(QWidget* target, QPoint at) { return Map(target, at, Image(0)); }
};

TEST_F(WindowDragging, DropOnTheCanvasMovesTheGrabbedPointUnderThePointer) {
  const QPoint grab(10, 10);  // twips (150, 150) from the image's corner
  const QPoint to = OnImage(&window.Canvas(), QPoint(300, 250));
  Press(Image(0), grab);
  MoveTo(Image(0), to);
  const QWidget* outline = Find(QStringLiteral("DragOutline"));
  EXPECT_TRUE(outline->isVisible());
  EXPECT_EQ(outline->pos(), Map(Image(0), to - grab, &window));
  EXPECT_EQ(Image(0)->pos(), QPoint(173, 173)) << "the image waits for the drop";
  Release(Image(0), to);
  EXPECT_FALSE(outline->isVisible());
  EXPECT_EQ(doc().Gates(0).GetX(), 4500 - 150);
  EXPECT_EQ(doc().Gates(0).GetY(), 3750 - 150);
  EXPECT_EQ(Image(0)->pos(), QPoint(290, 240));
}

TEST_F(WindowDragging, DropOnTheTrashCanDeletesTheGate) {
  QWidget* trash = Find(QStringLiteral("TrashCan"));
  Drag(Image(0), QPoint(10, 10), OnImage(trash, trash->rect().center()));
  EXPECT_FALSE(doc().Gates(0).GetUsed());
  EXPECT_FALSE(Image(0)->isVisible());
}

TEST_F(WindowDragging, DropsOutsideTheCanvasAndTrashCanChangeNothing) {
  const QPoint targets[] = {
      OnImage(Find(QStringLiteral("AndGateButton")), QPoint(20, 20)),
      OnImage(window.centralWidget(), QPoint(4, 540)),  // the bare background
      OnImage(Find(QStringLiteral("Inputs")), QPoint(5, 5)),
      QPoint(30, 30),  // the dragged image itself
  };
  for (QPoint to : targets) {
    Drag(Image(0), QPoint(10, 10), to);
    EXPECT_EQ(doc().Gates(0).GetX(), 2600);
    EXPECT_EQ(doc().Gates(0).GetY(), 2600);
    EXPECT_TRUE(doc().Gates(0).GetUsed());
  }
}

TEST_F(WindowDragging, MessageBoxDuringADragEndsItWithoutADrop) {
  const QPoint to = OnImage(&window.Canvas(), QPoint(300, 250));
  Press(Image(0), QPoint(10, 10));
  MoveTo(Image(0), to);
  ModalWatcher closer([](QWidget*) {});
  window.ShowMessage("Error: Click on the gates", "Error", MessageStyle::Stop);
  EXPECT_TRUE(closer.seen());
  EXPECT_FALSE(Find(QStringLiteral("DragOutline"))->isVisible());
  Release(&window.Canvas(), QPoint(300, 250));
  EXPECT_EQ(doc().Gates(0).GetX(), 2600) << "the release after the box dropped the gate";
  Drag(Image(0), QPoint(10, 10), to);
  EXPECT_EQ(doc().Gates(0).GetX(), 4500 - 150) << "the next drag works as ever";
}

TEST_F(WindowDragging, DoubleClickTurnsTheGateAndLeavesNoDrag) {
  QTest::mouseDClick(Image(0), Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(doc().Gates(0).GetOrientation(), 1);
  EXPECT_FALSE(Find(QStringLiteral("DragOutline"))->isVisible());
  EXPECT_EQ(doc().Gates(0).GetX(), 2600);
  EXPECT_EQ(window.ObjImage(0).GetPicture(), (Picture{PictureStore::andimage, 1}));
}

TEST_F(WindowDragging, AutomaticImageDragsAtThePressWithoutItsHandlerAndIgnoresDoubleClicks) {
  window.ObjImage(0).SetDragMode(DragMode::Automatic);
  QTest::mouseDClick(Image(0), Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(doc().Gates(0).GetOrientation(), 0);
  window.form().GrabX = 30;
  window.form().GrabY = 45;
  Press(Image(0), QPoint(10, 10));
  EXPECT_TRUE(Find(QStringLiteral("DragOutline"))->isVisible());
  EXPECT_EQ(window.form().GrabX, 150) << "the press point is kept";
  const QPoint to = OnImage(&window.Canvas(), QPoint(300, 250));
  MoveTo(Image(0), to);
  Release(Image(0), to);
  EXPECT_EQ(doc().Gates(0).GetX(), 4500 - 150);
  EXPECT_EQ(doc().Gates(0).GetY(), 3750 - 150);
}

}  // namespace
}  // namespace tessara::app
