#include "app/canvas.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <functional>

#include "app/elements.h"
#include "app/problem_marks_layer.h"
#include "app/spoken_text.h"
#include "app/twips.h"
#include "picture/canvas_drawing.h"

namespace tessara::app {
namespace {

const QColor kKeyboardMarks(0, 90, 200);

// The keyboard's command a key event asks for, when it asks for one. A digit may come
// with Shift, as on keyboards whose digits need it.
std::optional<KeyPress> PressOf(const QKeyEvent& event) {
  static const std::pair<int, Key> kKeys[] = {
      {Qt::Key_Left, Key::Left},   {Qt::Key_Up, Key::Up},         {Qt::Key_Right, Key::Right},
      {Qt::Key_Down, Key::Down},   {Qt::Key_Return, Key::Enter},  {Qt::Key_Enter, Key::Enter},
      {Qt::Key_Space, Key::Space}, {Qt::Key_Delete, Key::Delete}, {Qt::Key_R, Key::R},
      {Qt::Key_M, Key::M},         {Qt::Key_L, Key::L},           {Qt::Key_B, Key::B},
      {Qt::Key_P, Key::P}};
  const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
  const int key = event.key();
  KeyPress press;
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    press = {Key::Digit, Modifiers::None, key - Qt::Key_0};
    if (mods != Qt::NoModifier && mods != Qt::ShiftModifier) return std::nullopt;
  } else {
    const auto* found = std::find_if(std::begin(kKeys), std::end(kKeys),
                                     [key](const auto& row) { return row.first == key; });
    if (found == std::end(kKeys)) return std::nullopt;
    press.key = found->second;
    if (mods == (Qt::ShiftModifier | Qt::ControlModifier)) {
      press.modifiers = Modifiers::ControlShift;
    } else if (mods == Qt::ShiftModifier) {
      press.modifiers = Modifiers::Shift;
    } else if (mods != Qt::NoModifier) {
      return std::nullopt;
    }
  }
  return FindKeyCommand(press) ? std::optional(press) : std::nullopt;
}

// A heading in its design box (the column of the inputs or the outputs), kept inside the
// canvas.
void AddHeading(QWidget* canvas, const char* text, float left) {
  auto* heading = new QLabel(CanvasPanel::tr(text), canvas);
  heading->setObjectName(QString::fromLatin1(text));
  heading->setGeometry(HeadingPlace(left, canvas->width()));
}

// The layer above every element on which the canvas paints its link lines.
class LinesLayer : public QWidget {
 public:
  LinesLayer(QWidget* canvas, std::function<void(QPainter&)> paint)
      : QWidget(canvas), paint_(std::move(paint)) {
    setObjectName(QStringLiteral("LinkLines"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(canvas->rect());
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    paint_(painter);
  }

 private:
  std::function<void(QPainter&)> paint_;
};

}  // namespace

void CanvasLine::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (canvas_) canvas_->update();
}

void CanvasLine::SetValue(LineValue value) {
  if (value == value_) return;
  value_ = value;
  if (visible_ && canvas_) canvas_->update();
}

void CanvasLine::SetHighlight(bool on) {
  if (on == highlighted_) return;
  highlighted_ = on;
  if (visible_ && canvas_) canvas_->update();
}

void CanvasLine::Set(float& end, float twips) {
  if (end == twips) return;
  end = twips;
  if (visible_ && canvas_) canvas_->update();
}

CanvasPanel::CanvasPanel(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("Canvas"));
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
  AddHeading(this, QT_TR_NOOP("Inputs"), 0);
  AddHeading(this, QT_TR_NOOP("Outputs"), 8280);
  linesLayer_ = new LinesLayer(this, [this](QPainter& painter) {
    PaintLines(painter);
    PaintMarks(painter);
  });
  for (CanvasLine& line : lines_) line.SetCanvas(linesLayer_);
  marksLayer_ = new ProblemMarksLayer(this);
  focusMark_.SetCanvas(linesLayer_);
  crossHair_.SetCanvas(linesLayer_);
  setFocusPolicy(Qt::TabFocus);
}

void CanvasPanel::SetSpoken(const Phrase& name) {
  if (name == spoken_) return;
  spoken_ = name;
  setAccessibleName(Translated(spoken_));
}

LineElement& CanvasPanel::LinkLine(std::int16_t i) {
  return lines_.at(static_cast<std::size_t>(i));
}

MarksElement& CanvasPanel::ProblemMarks() { return *marksLayer_; }

void CanvasPanel::RaiseLayers() {
  linesLayer_->raise();
  for (PoolLabel* label : findChildren<PoolLabel*>(Qt::FindDirectChildrenOnly)) label->raise();
  marksLayer_->raise();
  marksLayer_->WatchCanvas();
}

void CanvasPanel::SetColourWires(bool on) {
  colourWires_ = on;
  linesLayer_->update();
}

void CanvasPanel::SetLinkInProgress(std::optional<QPoint> from) {
  if (from == linkFrom_) return;
  linkFrom_ = from;
  linesLayer_->update();
}

void CanvasPanel::SetStartHint(bool shown) {
  if (shown == startHint_) return;
  startHint_ = shown;
  update();
}

// The boundaries and the explained lines' bands lie under every element, so the value
// labels stay readable on them.
void CanvasPanel::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  if (startHint_) {
    painter.setPen(QColor(150, 150, 150));
    painter.drawText(rect(), Qt::AlignCenter, tr("Choose a gate on the left, then click here"));
  }
  PaintColumnBoundaries(painter);
  for (const CanvasLine& line : lines_) PaintExplainedBand(painter, line);
}

void CanvasPanel::PaintLines(QPainter& painter) const {
  for (const CanvasLine& line : lines_) PaintLine(painter, line, colourWires_);
  if (linkFrom_) {
    painter.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    painter.drawLine(*linkFrom_, hasFocus() ? CrossHairSquare().center() : pointer_);
  }
}

void CanvasPanel::PaintMarks(QPainter& painter) const {
  if (!hasFocus()) return;
  painter.setPen(QPen(kKeyboardMarks, 2));
  if (focusMark_.Visible()) {
    painter.drawRect(
        TwipsRect(focusMark_.Left(), focusMark_.Top(), focusMark_.Size(), focusMark_.Size()));
  }
  if (crossHair_.Visible()) {
    const QRect square = CrossHairSquare();
    const QPoint centre = square.center();
    painter.setPen(QPen(kKeyboardMarks, 1));
    painter.drawLine(square.left(), centre.y(), square.right(), centre.y());
    painter.drawLine(centre.x(), square.top(), centre.x(), square.bottom());
    painter.drawEllipse(centre, 3, 3);
  }
}

QRect CanvasPanel::CrossHairSquare() const {
  return TwipsRect(crossHair_.Left(), crossHair_.Top(), crossHair_.Size(), crossHair_.Size());
}

bool CanvasPanel::IsBare(QPointF pos) const { return childAt(pos.toPoint()) == nullptr; }

void CanvasPanel::mousePressEvent(QMouseEvent* event) {
  if (!IsBare(event->position())) return;
  pointer_ = event->position().toPoint();
  const float x = ToTwips(event->position().x());
  const float y = ToTwips(event->position().y());
  emit mouseMove(x, y);
  emit mouseDown(x, y);
}

// Moves over elements arrive here too, as the elements do not follow the pointer.
void CanvasPanel::mouseMoveEvent(QMouseEvent* event) {
  pointer_ = event->position().toPoint();
  if (linkFrom_) linesLayer_->update();
  if (!IsBare(event->position())) return;
  emit mouseMove(ToTwips(event->position().x()), ToTwips(event->position().y()));
}

void CanvasPanel::mouseReleaseEvent(QMouseEvent*) { emit mouseUp(); }

void CanvasPanel::keyPressEvent(QKeyEvent* event) {
  if (const std::optional<KeyPress> press = PressOf(*event)) {
    emit keyDown(*press);
  } else {
    QFrame::keyPressEvent(event);
  }
}

void CanvasPanel::focusInEvent(QFocusEvent* event) {
  QFrame::focusInEvent(event);
  linesLayer_->update();
}

void CanvasPanel::focusOutEvent(QFocusEvent* event) {
  QFrame::focusOutEvent(event);
  linesLayer_->update();
}

}  // namespace tessara::app
