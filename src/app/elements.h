// The window's element widgets: picture elements (palette buttons, the trash can,
// the gate images and node markers of the pools) and the value labels. Each stores
// the twip values it is given and stands at the nearest logical pixel. Gate images,
// node markers and labels paint through picture/canvas_drawing.h, as the circuit's
// pictures do.
#pragma once

#include <QLabel>
#include <QWidget>
#include <optional>

#include "app/twips.h"
#include "picture/artwork/pictures.h"
#include "view/screen.h"

namespace tessara::app {

// A drawing stretched to fill the element, with border style 0 (none) or 1 (a thin
// single line). A left-button press emits pressed(). With the keyboard focus it shows a
// dotted frame inside its edge; Space, Enter or Delete then emit activated() and an
// arrow key stepped() with its direction. It takes no focus of its own unless given a
// focus policy; a roving one takes Tab's focus only while it has its border.
class PictureElement : public QWidget, public BorderElement {
  Q_OBJECT
 public:
  PictureElement(QWidget* parent, Art art, QRect geometry);

  void SetArt(Art art);
  Art Drawn() const { return art_; }
  void SetRoving(bool roving);
  bool Roving() const { return roving_; }

  void SetBorderStyle(int style) override;
  int BorderStyle() const override { return borderStyle_; }

 signals:
  void pressed();
  void activated();
  void stepped(QPoint direction);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  Art art_;
  int borderStyle_ = 0;
  bool roving_ = false;
};

// Element i of the GateImage or NodeMarker pool, a child of the canvas. In manual drag
// mode a left press emits pressedAt, in automatic mode dragWanted; both carry the point
// pressed. A double-click emits doubleClicked in either mode, unless its first press
// went elsewhere (the bare canvas, where this element then appeared). Highlighted, it
// stands on the explained colour; a name stands in the corner of its cell beside the
// box (top left, or bottom left when the box stands at the top).
class PoolImage : public PictureElement, public ImageElement {
  Q_OBJECT
 public:
  // A gate image shows whatever picture it is given; a node marker keeps its dot.
  PoolImage(QWidget* canvas, DragSource identity, float sizeTwips, Art art);

  // Where the last press hit, logical pixels from the element's corner.
  QPoint LastPress() const { return lastPress_; }

  void SetVisible(bool visible) override;
  bool Visible() const override { return !isHidden(); }
  void SetLeft(float twips) override { place_.SetLeft(twips); }
  void SetTop(float twips) override { place_.SetTop(twips); }
  float Left() const override { return place_.Left(); }
  float Top() const override { return place_.Top(); }
  void SetPicture(Picture picture) override;
  Picture GetPicture() const override { return picture_; }
  void SetDragMode(DragMode mode) override { dragMode_ = mode; }
  DragMode GetDragMode() const override { return dragMode_; }
  void SetHighlight(bool on) override;
  bool Highlighted() const override { return highlighted_; }
  void SetName(std::string_view name) override;
  std::string Name() const override { return name_.toStdString(); }
  // Translates a changed name; announces a changed value, and a focus newly on it while
  // its canvas has the keyboard focus.
  void SetSpoken(const Spoken& spoken) override;
  Spoken GetSpoken() const override { return spoken_; }

 signals:
  // x, y: twips from the element's corner.
  void dragWanted(tessara::DragSource source, float x, float y);
  void pressedAt(tessara::DragSource source, float x, float y);
  void doubleClicked(tessara::DragSource source);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  DragSource identity_;
  TwipsPlace place_{this};
  Picture picture_;
  DragMode dragMode_ = DragMode::Manual;
  bool highlighted_ = false;
  QString name_;
  QPoint lastPress_;
  std::optional<quint64> lastPressTime_;  // the event time of the last press taken
  Spoken spoken_;
};

// A value label ValueLabel(i): text "0" at start, drawn with a thin white halo and
// above the link lines, so that a wire crossing it never hides its value. A left press
// emits pressed().
class PoolLabel : public QLabel, public LabelElement {
  Q_OBJECT
 public:
  explicit PoolLabel(QWidget* canvas);

  void SetVisible(bool visible) override;
  bool Visible() const override { return !isHidden(); }
  void SetLeft(float twips) override { place_.SetLeft(twips); }
  void SetTop(float twips) override { place_.SetTop(twips); }
  float Left() const override { return place_.Left(); }
  float Top() const override { return place_.Top(); }
  void SetText(std::string_view text) override;
  std::string Text() const override { return text().toStdString(); }

 signals:
  void pressed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  TwipsPlace place_{this};
};

}  // namespace tessara::app
