#include "app/canvas.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "app/twips.h"

namespace tessara::app {
namespace {

constexpr Single kLeftBoundary = 795;
constexpr Single kRightBoundary = 8200;
constexpr Single kBoundaryBottom = 8040;

void AddHeading(QWidget* canvas, const char* text, Single left) {
  auto* heading = new QLabel(QString::fromLatin1(text), canvas);
  heading->setObjectName(QString::fromLatin1(text));
  heading->setGeometry(TwipsRect(left, 0, 735, 255));
}

}  // namespace

void CanvasLine::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (canvas_) canvas_->update();
}

void CanvasLine::Set(Single& end, Single twips) {
  if (end == twips) return;
  end = twips;
  if (visible_ && canvas_) canvas_->update();
}

Tessara_Frame::Tessara_Frame(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("Tessara_Frame"));
  setGeometry(TwipsRect(1800, 120, 8985, kCanvasHeight));
  // The frame is drawn by a sibling just around the canvas, so that the canvas's own
  // coordinates start inside it and an input at x 0 does not hide it.
  auto* border = new QFrame(parent);
  border->setObjectName(QStringLiteral("CanvasBorder"));
  border->setFrameStyle(QFrame::Box | QFrame::Plain);
  border->setLineWidth(1);
  border->setGeometry(geometry().adjusted(-1, -1, 1, 1));
  border->lower();
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::white);
  colours.setColor(QPalette::WindowText, Qt::black);
  setPalette(colours);
  setAutoFillBackground(true);
  setMouseTracking(true);
  // Headings and value labels: 12 pixels high fits their 17-pixel boxes.
  QFont small = font();
  small.setPixelSize(12);
  setFont(small);
  AddHeading(this, "Inputs", 0);
  AddHeading(this, "Outputs", 8280);
  for (CanvasLine& line : lines_) line.SetCanvas(this);
}

LineElement& Tessara_Frame::LinkLine(Integer i) { return lines_.at(static_cast<std::size_t>(i)); }

// The boundaries and the link lines lie under every element.
void Tessara_Frame::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.setPen(QPen(Qt::black, 1));
  for (Single x : {kLeftBoundary, kRightBoundary}) {
    painter.drawLine(TwipsPoint(x, 0), TwipsPoint(x, kBoundaryBottom));
  }
  for (const CanvasLine& line : lines_) {
    if (line.Visible()) {
      painter.drawLine(TwipsPoint(line.X1(), line.Y1()), TwipsPoint(line.X2(), line.Y2()));
    }
  }
}

bool Tessara_Frame::IsBare(QPointF pos) const { return childAt(pos.toPoint()) == nullptr; }

void Tessara_Frame::mousePressEvent(QMouseEvent* event) {
  if (!IsBare(event->position())) return;
  const Single x = ToTwips(event->position().x());
  const Single y = ToTwips(event->position().y());
  emit mouseMove(x, y);
  emit mouseDown(x, y);
}

void Tessara_Frame::mouseMoveEvent(QMouseEvent* event) {
  if (!IsBare(event->position())) return;
  emit mouseMove(ToTwips(event->position().x()), ToTwips(event->position().y()));
}

void Tessara_Frame::mouseReleaseEvent(QMouseEvent*) {
  emit mouseUp();
}

}  // namespace tessara::app
