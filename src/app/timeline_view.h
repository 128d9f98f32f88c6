// The timeline's drawing: one row per signal, one column per recorded step, each row a
// square wave with its 0/1 written where it changes, a ruler of step numbers (each
// whole, as many as fit without overlapping), the current step's column highlighted,
// toggles marked at the top, and a repeating stretch shaded with the rows that change
// inside it named in red and the settled rows marked where they settled, and the cells
// the Why window's lines name drawn in the explained colour; a sequence's rows marked on
// the ruler where each was read, a tick or a red mark. Only the visible columns
// are drawn, so a repaint costs the same at ten steps or a million. It reads the form's
// history, document and explanation and changes none. Screen readers hear it as
// "timeline" with the current step's values.
#pragma once

#include <QAbstractScrollArea>
#include <optional>
#include <vector>

#include "editor/form.h"
#include "sim/signal_rows.h"

namespace tessara::app {

class TimelineView : public QAbstractScrollArea {
  Q_OBJECT
 public:
  static constexpr int kNameWidth = 76;
  static constexpr int kColumnWidth = 16;
  static constexpr int kHeaderHeight = 20;
  static constexpr int kRowHeight = 26;

  TimelineView(const Form& form, QWidget* parent = nullptr);

  // Takes the rows, the repeat and the scroll range from the form again and keeps the
  // current step in view.
  void Refresh();
  // Draws the visible timeline of the given size onto painter (a screen, image or SVG).
  void Paint(QPainter& painter, QSize size) const;
  QSize PictureSize() const { return viewport()->size(); }

  // A row of a sequence, read at step: a tick, or a red mark where it differs.
  struct RulerMark {
    std::size_t step = 0;
    bool differs = false;
  };
  // The marks drawn on the ruler from now on (none: no marks).
  void SetMarks(std::vector<RulerMark> marks);

  const std::vector<SignalRow>& Rows() const { return rows_; }
  const std::optional<Repeat>& FoundRepeat() const { return repeat_; }
  std::size_t FirstVisibleStep() const;
  // The step drawn in the column at viewport x, if any.
  std::optional<std::size_t> StepAt(int x) const;

 signals:
  void stepClicked(std::size_t step);
  // A press on the ruler at mark index of SetMarks.
  void markClicked(std::size_t index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct RowFacts {
    bool changesInRepeat = false;
    std::optional<std::size_t> settledAt;
  };
  int VisibleColumns() const;
  void UpdateScrollRange();
  // Screen readers read the current step's values as a list, in the description:
  // "step 4: I1 1, I2 0, NOT 3 1, O1 0"; none without a run.
  void TellValues();
  void PaintColumns(QPainter& painter, std::size_t first, std::size_t last, int width,
                    int height) const;
  void PaintRow(QPainter& painter, std::size_t row, std::size_t first, std::size_t last) const;
  void PaintExplained(QPainter& painter, std::size_t first, std::size_t last) const;

  const Form& form_;
  std::vector<SignalRow> rows_;
  std::optional<Repeat> repeat_;
  std::size_t repeatEnd_ = 0;  // the last step of the toggle-free stretch that repeats
  std::vector<RowFacts> facts_;
  std::vector<RulerMark> marks_;
};

}  // namespace tessara::app
