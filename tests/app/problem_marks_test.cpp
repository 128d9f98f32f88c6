// The problem marks on the real canvas: their text, in the learner's words, shown when
// pointed at over a gate image or the bare canvas. They are seen drawn in the scenes of
// tests/pictures.
#include <QHelpEvent>
#include <QToolTip>

#include "window_fixture.h"

namespace tessara::app {
namespace {

TEST_F(WindowTest, ProblemMarksAreNamedWhenPointedAt) {
  PlaceWith("NotGateButton", QPoint(200, 200));  // slot 0: unlinked, driving nothing
  auto pointAt = [](QWidget* widget, QPoint at) {
    QHelpEvent pointed(QEvent::ToolTip, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &pointed);
    return QToolTip::text().toStdString();
  };
  EXPECT_EQ(pointAt(Image(0), Image(0)->rect().center()), "NOT g0: its output drives nothing");
  const QPoint pin = Image(0)->geometry().topLeft() + QPoint(-4, 26);  // left of the image
  EXPECT_EQ(pointAt(&window.Canvas(), pin), "NOT g0: its input is not linked");
}

}  // namespace
}  // namespace tessara::app
