// The canvas CanvasPanel: the white framed panel that holds the element pools, draws
// its two column boundaries, and reports the pointer in twips. The link lines are drawn
// above every element, by a layer that lets the mouse through: thin and black, or
// while powered and "Colour Wires" is on, by value (1 strong and two pixels wide, 0
// black and one pixel), each highlighted line on a band of the explained colour under
// the elements. While a link is drawn a dashed line joins the point its segment starts
// at to the pointer, or with the keyboard focus to the keyboard's cross-hair, where the
// next bend would go. The problem marks lie above the lines (ProblemMarksLayer). Above
// the lines, while the canvas has the keyboard focus, it draws the keyboard's focus
// rectangle and cross-hair. It takes the focus by Tab (not by the mouse, so a mouse user
// sees no keyboard marks) and reports each key the keyboard's commands take
// (editor/keyboard.h); screen readers hear it by the name the refresh gives it. The
// boundaries, bands and lines are painted by picture/canvas_drawing.h, as the circuit's
// pictures are.
#pragma once

#include <QFrame>
#include <array>
#include <optional>

#include "editor/keyboard.h"
#include "view/screen.h"

class QPainter;

namespace tessara::app {

class ProblemMarksLayer;

// A link line LinkLine(i): not a widget; the canvas draws it while it is visible.
// canvas is the widget repainted when a visible line changes.
class CanvasLine : public LineElement {
 public:
  void SetVisible(bool visible) override;
  bool Visible() const override { return visible_; }
  void SetX1(float twips) override { Set(x1_, twips); }
  void SetY1(float twips) override { Set(y1_, twips); }
  void SetX2(float twips) override { Set(x2_, twips); }
  void SetY2(float twips) override { Set(y2_, twips); }
  float X1() const override { return x1_; }
  float Y1() const override { return y1_; }
  float X2() const override { return x2_; }
  float Y2() const override { return y2_; }
  void SetValue(LineValue value) override;
  LineValue Value() const override { return value_; }
  void SetHighlight(bool on) override;
  bool Highlighted() const override { return highlighted_; }

  void SetCanvas(QWidget* canvas) { canvas_ = canvas; }

 private:
  void Set(float& end, float twips);
  QWidget* canvas_ = nullptr;
  bool visible_ = false;
  bool highlighted_ = false;
  LineValue value_ = LineValue::None;
  float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
};

// A keyboard mark: not a widget; the canvas draws it while it is visible and the canvas
// has the keyboard focus.
class CanvasMark : public MarkElement {
 public:
  void SetVisible(bool visible) override { Set(visible_, visible); }
  bool Visible() const override { return visible_; }
  void SetLeft(float twips) override { Set(left_, twips); }
  void SetTop(float twips) override { Set(top_, twips); }
  void SetSize(float twips) override { Set(size_, twips); }
  float Left() const override { return left_; }
  float Top() const override { return top_; }
  float Size() const override { return size_; }

  void SetCanvas(QWidget* canvas) { canvas_ = canvas; }

 private:
  template <typename T>
  void Set(T& member, T value) {
    if (member == value) return;
    member = value;
    if (canvas_) canvas_->update();
  }
  QWidget* canvas_ = nullptr;
  bool visible_ = false;
  float left_ = 0, top_ = 0, size_ = 0;
};

class CanvasPanel : public QFrame {
  Q_OBJECT
 public:
  // Placed at its design geometry on parent, the window's client area.
  explicit CanvasPanel(QWidget* parent);

  LineElement& LinkLine(std::int16_t i);
  MarksElement& ProblemMarks();
  MarkElement& FocusMark() { return focusMark_; }
  MarkElement& CrossHair() { return crossHair_; }
  // What screen readers hear of the canvas, translated.
  void SetSpoken(const Phrase& name);
  Phrase SpokenName() const { return spoken_; }

  // Puts the layer of link lines over every element, the value labels over it and the
  // problem marks over all, and lets the marks' texts show over each; call after adding
  // elements.
  void RaiseLayers();
  void SetColourWires(bool on);
  bool ColourWires() const { return colourWires_; }
  // The start of the segment being drawn, in canvas pixels; nothing while no link is
  // being drawn.
  void SetLinkInProgress(std::optional<QPoint> from);
  // The faint line in the middle of an empty canvas that says how to begin; shown while
  // shown is true (no gate placed yet).
  void SetStartHint(bool shown);

 signals:
  // Presses, moves and releases on the bare canvas (not on an element), canvas twips.
  // A press is reported as a move to its point first, so the pointer follows it there.
  void mouseDown(float x, float y);
  void mouseMove(float x, float y);
  void mouseUp();
  // A key pressed on the canvas that a keyboard command takes.
  void keyDown(tessara::KeyPress press);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  bool IsBare(QPointF pos) const;
  void PaintLines(QPainter& painter) const;
  void PaintMarks(QPainter& painter) const;
  QRect CrossHairSquare() const;
  std::array<CanvasLine, kSlotCount> lines_;
  CanvasMark focusMark_, crossHair_;
  Phrase spoken_;
  QWidget* linesLayer_;
  ProblemMarksLayer* marksLayer_;
  bool colourWires_ = true;
  bool startHint_ = false;
  std::optional<QPoint> linkFrom_;
  QPoint pointer_;  // the pointer's last place over the canvas or an element on it
};

}  // namespace tessara::app
