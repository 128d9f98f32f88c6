// The window's elements and what their events run: the Tools palette with its ten
// buttons and the trash can on the client area; on the canvas the pools of 51 gate
// images (GateImage), node markers (NodeMarker) and value labels (ValueLabel) beside its
// link lines (LinkLine) and problem marks. It is the element half of the window's
// Screen, starts the window's own drags (Screen::BeginDrag), and runs the handler of the
// same name for every press, double-click and drop on its elements and on the bare
// canvas, and the keyboard's command for every key on the canvas and the trash can,
// through the context's Act (pointer moves straight on the form: they change nothing to
// undo). A press on a value label asks why its gate holds its value (editor/why.h).
// With the keyboard, the palette is one stop of Tab's (the current tool's button, which
// the arrows move from button to button, choosing as they go), then the canvas, then
// the trash can. Screen readers hear the palette's buttons by their tools' names.
#pragma once

#include <QObject>
#include <QPoint>
#include <array>

#include "view/screen.h"

class QWidget;

namespace tessara::app {

class CompanionContext;
class PictureElement;
class PoolImage;
class CanvasPanel;
class PoolLabel;
class WindowDrag;

class ElementPools : public QObject, public ScreenElements {
  Q_OBJECT
 public:
  // Builds the palette on client and the pools on canvas, every pool element hidden.
  // window: the main window, which the drags cross and which owns this. canvas and
  // context outlive this.
  ElementPools(QWidget& window, QWidget& client, CanvasPanel& canvas, CompanionContext& context);

  ImageElement& GateImage(std::int16_t i) override;
  ImageElement& NodeMarker(std::int16_t i) override;
  LabelElement& ValueLabel(std::int16_t i) override;
  LineElement& LinkLine(std::int16_t i) override;
  MarksElement& ProblemMarks() override;
  BorderElement& Palette(PaletteButton button) override;
  MarkElement& FocusMark() override;
  MarkElement& CrossHair() override;
  void SetCanvasSpoken(const Phrase& name) override;
  Phrase CanvasSpoken() const override;
  // The last of the stops of Tab's that the pools hold.
  QWidget& LastTabStop();
  // Starts dragging source's element from the point last pressed on it; a source
  // outside slots 0..50 starts nothing.
  void BeginDrag(DragSource source);

 signals:
  // After a press on a value label asked about its gate: the Why window is wanted.
  void whyAsked();

 private:
  void BuildPalette(QWidget& client);
  void BuildPools();
  void FollowCanvas();
  // The arrow's step from palette entry `from`: its neighbour in that direction
  // chosen and given the focus; none past the palette's edge.
  void StepPalette(std::size_t from, QPoint direction);
  // Only the bare canvas and the trash can take drops.
  void OnDrop(DragSource source, QWidget* target, QPoint pos);
  PoolImage& Pooled(DragSource source);

  CanvasPanel& canvas_;
  CompanionContext& context_;
  std::array<PoolImage*, kSlotCount> objImages_{};
  std::array<PoolImage*, kSlotCount> markers_{};
  std::array<PoolLabel*, kSlotCount> values_{};
  std::array<PictureElement*, kPaletteButtonCount> palette_{};
  PictureElement* trashCan_ = nullptr;
  WindowDrag* drag_ = nullptr;
};

}  // namespace tessara::app
