// The Karnaugh map of one output (sim/karnaugh_map.h) drawn: the Gray-coded grid with its
// row and column variables and codes, each cell 0, 1 or ~, and each product term of the
// minimal form as rounded rectangles in a colour of its own, open at an edge it wraps
// around, named under the map in the same colour. A click on a cell, or Return or Space
// on the current cell (the arrows move it, around the edges as the map wraps), asks for
// that cell's row of the truth table to run.
#pragma once

#include <QWidget>
#include <optional>

#include "sim/karnaugh_map.h"

namespace tessara::app {

class KarnaughView : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kCell = 44;  // a cell's side, pixels

  explicit KarnaughView(QWidget* parent = nullptr);

  // Draws map from now on; nothing draws nothing. The current cell goes back to the
  // top left when the grid's shape changes.
  void Show(std::optional<KarnaughMap> map);
  const std::optional<KarnaughMap>& Shown() const { return map_; }
  // Where cell (row, column) is drawn, in the widget's pixels.
  QRect CellRect(int row, int column) const;

  QSize sizeHint() const override;

 signals:
  // The row of the truth table whose cell was clicked or chosen.
  void rowChosen(unsigned row);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QRect Grid() const;
  void PaintHeadings(QPainter& painter) const;
  void PaintGroups(QPainter& painter) const;
  void PaintLegend(QPainter& painter) const;
  void Choose(int row, int column);

  std::optional<KarnaughMap> map_;
  int row_ = 0, column_ = 0;  // the current cell
};

}  // namespace tessara::app
