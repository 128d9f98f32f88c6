// The problem marks on the canvas (the Screen's MarksElement): a layer above the link
// lines that lets the mouse through and draws each mark in red. It never hides a value
// label, as the labels show only while powered and the marks only while not. Pointing
// at a mark, over the bare canvas or over an element, shows the translated texts of the
// marks there as a tool tip.
#pragma once

#include <QWidget>
#include <vector>

#include "view/screen.h"

namespace tessara::app {

class ProblemMarksLayer : public QWidget, public MarksElement {
 public:
  // Covers canvas, a child of it.
  explicit ProblemMarksLayer(QWidget* canvas);

  void SetMarks(std::vector<ProblemMark> marks) override;
  const std::vector<ProblemMark>& Marks() const override { return marks_; }

  // Shows the marks' texts for tool tip requests on the canvas and each of its other
  // children; call after the elements are made.
  void WatchCanvas();

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<ProblemMark> marks_;
};

}  // namespace tessara::app
