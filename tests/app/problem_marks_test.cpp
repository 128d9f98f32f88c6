// The problem marks on the real canvas: drawn in red, their text shown when pointed at
// over a gate image, and gone with Options > Show Problems turned off.
#include <QHelpEvent>
#include <QToolTip>

#include "window_fixture.h"

namespace tessara::app {
namespace {

int RedPixels(const QImage& image) {
  int red = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      red += c.red() > 180 && c.green() < 120 && c.blue() < 120;
    }
  }
  return red;
}

TEST_F(WindowTest, ProblemMarksAreDrawnNamedWhenPointedAtAndHiddenByShowProblems) {
  PlaceWith("NotGateButton", QPoint(200, 200));  // slot 0: unlinked, driving nothing
  EXPECT_GT(RedPixels(window.Canvas().grab().toImage()), 0);
  auto pointAt = [](QWidget* widget, QPoint at) {
    QHelpEvent pointed(QEvent::ToolTip, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &pointed);
    return QToolTip::text().toStdString();
  };
  EXPECT_EQ(pointAt(Image(0), Image(0)->rect().center()), "not 0 drives nothing");
  const QPoint pin = Image(0)->geometry().topLeft() + QPoint(-4, 26);  // left of the image
  EXPECT_EQ(pointAt(&window.Canvas(), pin), "not 0 input 0 is not linked");
  Find<QAction>(QStringLiteral("ShowProblems"))->trigger();
  EXPECT_EQ(RedPixels(window.Canvas().grab().toImage()), 0);
}

}  // namespace
}  // namespace tessara::app
