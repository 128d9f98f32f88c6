// What the window shows, read back from an offscreen grab. Each state is also kept as
// a PNG in the build's artefacts/app folder for a look by eye.
#include <QDir>
#include <QImage>

#include "window_fixture.h"

namespace tessara::app {
namespace {

const QColor kTeal(0, 128, 128);

bool IsDark(QColor c) { return c.lightness() < 96; }

class WindowPicture : public WindowTest {
 protected:
  // Grabs the window and keeps it as name.png among the artefacts.
  void Grab(const char* name) {
    shot = window.grab().toImage();
    QDir().mkpath(QStringLiteral(TESSARA_ARTEFACTS));
    shot.save(QStringLiteral(TESSARA_ARTEFACTS "/%1.png").arg(QLatin1String(name)));
  }
  // The colour at a logical pixel of a widget of the window.
  QColor At(QWidget* w, QPoint p) {
    const QPoint device = w->mapTo(&window, p) * shot.devicePixelRatio();
    return shot.pixelColor(device);
  }
  QColor OnCanvas(int x, int y) { return At(&window.Canvas(), QPoint(x, y)); }

  // An input (image at canvas pixel (0, 73)) linked to input 0 of an AND gate
  // (image at (223, 73)): the line runs from (53, 100) to (223, 83), its last pixel
  // under the AND's picture.
  void BuildLinkedPair() {
    PlaceWith("InputButton", QPoint(30, 100));
    PlaceWith("AndGateButton", QPoint(250, 100));
    Click(Find(QStringLiteral("LinkButton")));
    Click(Image(0), QPoint(45, 26));  // the input's output half
    Click(Image(1), QPoint(5, 10));   // the AND's upper input
  }

  QImage shot;
};

TEST_F(WindowPicture, StartShowsTealBackgroundAndTheEmptyWhiteCanvas) {
  Grab("start");
  EXPECT_EQ(At(window.centralWidget(), QPoint(4, 540)), kTeal);
  EXPECT_EQ(OnCanvas(300, 300), QColor(Qt::white));
  EXPECT_TRUE(IsDark(OnCanvas(53, 300))) << "left boundary";
  EXPECT_TRUE(IsDark(OnCanvas(547, 300))) << "right boundary";
  EXPECT_EQ(At(Find(QStringLiteral("Label2")), QPoint(4, 300)), QColor(Qt::white));
}

TEST_F(WindowPicture, LinkLineEndsOnThePinsOfItsGatesAndPowerShowsTheValues) {
  BuildLinkedPair();
  ASSERT_TRUE(doc().Links(0).GetUsed());
  Grab("linked_pair");
  EXPECT_TRUE(IsDark(OnCanvas(53, 100))) << "line start at the input's output pin";
  EXPECT_TRUE(IsDark(OnCanvas(222, 83))) << "line end at the AND's input 0";
  EXPECT_TRUE(IsDark(OnCanvas(226, 82)) || IsDark(OnCanvas(226, 83))) << "the AND's input stub";
  EXPECT_TRUE(IsDark(OnCanvas(138, 91)) || IsDark(OnCanvas(138, 92))) << "the line's middle";
  EXPECT_EQ(OnCanvas(138, 120), QColor(Qt::white));
  Click(Find(QStringLiteral("Power")));
  Click(Image(0), QPoint(20, 20));  // toggles the input
  Click(Find(QStringLiteral("prop")));
  Grab("powered");
  EXPECT_EQ(window.txtObjValue(0).Text(), "1");
  EXPECT_TRUE(Find(QStringLiteral("txtObjValue(1)"))->isVisible());
}

TEST_F(WindowPicture, TurnedGatesAndANodeAreDrawn) {
  PlaceWith("NandGateButton", QPoint(200, 300));
  PlaceWith("XorGateButton", QPoint(350, 300));
  Click(Find(QStringLiteral("CrossButton")));
  QTest::mouseDClick(Image(1), Qt::LeftButton, {}, QPoint(10, 10));
  PlaceWith("OutputButton", QPoint(560, 300));
  Click(Find(QStringLiteral("LinkButton")));
  Click(Image(1), QPoint(26, 5));  // the turned XOR's output half, at the top
  Click(&window.Canvas(), QPoint(400, 200));  // a bend
  Click(Image(2), QPoint(10, 26));  // the output's input half
  ASSERT_TRUE(Marker(3)->isVisible());
  Grab("turned_and_node");
  EXPECT_TRUE(IsDark(At(Marker(3), QPoint(4, 4)))) << "the node dot";
}

}  // namespace
}  // namespace tessara::app
