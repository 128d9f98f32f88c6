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
  QWidget* image = Image(0);
  const QPoint middle = image->rect().center();
  QHelpEvent pointed(QEvent::ToolTip, middle, image->mapToGlobal(middle));
  QApplication::sendEvent(image, &pointed);
  EXPECT_EQ(QToolTip::text().toStdString(), "not 0 drives nothing");
  Find<QAction>(QStringLiteral("ShowProblems"))->trigger();
  EXPECT_EQ(RedPixels(window.Canvas().grab().toImage()), 0);
}

}  // namespace
}  // namespace tessara::app
