#include "app/karnaugh_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <array>

#include "sim/minimal_form.h"

namespace tessara::app {
namespace {

constexpr int kMargin = 8;
constexpr int kHeadingWidth = 64;   // the row codes' column, left of the grid
constexpr int kHeadingHeight = 40;  // the column codes' row, above it
constexpr int kLegendGap = 12;
constexpr int kSwatch = 12;

// One colour a term, told apart on white and from each other.
constexpr std::array<QColor, 8> kTermColours = {{{31, 119, 180},
                                                 {255, 127, 14},
                                                 {44, 160, 44},
                                                 {214, 39, 40},
                                                 {148, 103, 189},
                                                 {140, 86, 75},
                                                 {227, 119, 194},
                                                 {23, 190, 207}}};

QColor TermColour(std::size_t group) { return kTermColours[group % kTermColours.size()]; }

QString Joined(const std::vector<std::string>& parts) {
  QStringList joined;
  for (const std::string& part : parts) joined << QString::fromStdString(part);
  return joined.join(QLatin1Char(' '));
}

std::size_t Inputs(const KarnaughMap& map) {
  return map.rowVariables.size() + map.columnVariables.size();
}

int LineHeight(const QWidget& widget) { return widget.fontMetrics().height() + 4; }

}  // namespace

KarnaughView::KarnaughView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("KarnaughView"));
  setFocusPolicy(Qt::StrongFocus);
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
}

void KarnaughView::Show(std::optional<KarnaughMap> map) {
  const bool reshaped = !map || !map_ || map->rows != map_->rows || map->columns != map_->columns;
  map_ = std::move(map);
  if (reshaped) row_ = column_ = 0;
  updateGeometry();
  update();
}

QRect KarnaughView::Grid() const {
  const int rows = map_ ? map_->rows : 0, columns = map_ ? map_->columns : 0;
  return {kMargin + kHeadingWidth, kMargin + kHeadingHeight, columns * kCell, rows * kCell};
}

QRect KarnaughView::CellRect(int row, int column) const {
  return {Grid().left() + column * kCell, Grid().top() + row * kCell, kCell, kCell};
}

QSize KarnaughView::sizeHint() const {
  const std::size_t terms = map_ ? map_->groups.size() : 0;
  return {kMargin * 2 + kHeadingWidth + 4 * kCell, kMargin * 2 + kHeadingHeight + 4 * kCell +
                                                       kLegendGap +
                                                       static_cast<int>(terms) * LineHeight(*this)};
}

void KarnaughView::paintEvent(QPaintEvent*) {
  if (!map_) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  PaintHeadings(painter);
  PaintGroups(painter);
  painter.setPen(palette().color(QPalette::Text));
  for (int r = 0; r < map_->rows; ++r) {
    for (int c = 0; c < map_->columns; ++c) {
      painter.drawRect(CellRect(r, c));
      painter.drawText(CellRect(r, c), Qt::AlignCenter, QString(QChar(map_->Cell(r, c))));
    }
  }
  if (hasFocus()) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DotLine));
    painter.drawRect(CellRect(row_, column_).adjusted(2, 2, -2, -2));
  }
  PaintLegend(painter);
}

// The corner split by a diagonal, the row variables below it and the column variables
// above; the codes beside the rows and above the columns.
void KarnaughView::PaintHeadings(QPainter& painter) const {
  const QRect grid = Grid();
  const QRect corner(kMargin, kMargin, kHeadingWidth, kHeadingHeight);
  painter.setPen(palette().color(QPalette::Text));
  painter.drawLine(corner.topLeft(), grid.topLeft());
  painter.drawText(corner.adjusted(2, 0, 0, -2), Qt::AlignLeft | Qt::AlignBottom,
                   Joined(map_->rowVariables));
  painter.drawText(corner.adjusted(0, 2, -4, 0), Qt::AlignRight | Qt::AlignTop,
                   Joined(map_->columnVariables));
  for (int r = 0; r < map_->rows; ++r) {
    const QRect beside(kMargin, CellRect(r, 0).top(), kHeadingWidth - 6, kCell);
    painter.drawText(beside, Qt::AlignRight | Qt::AlignVCenter,
                     QString::fromStdString(map_->rowCodes[static_cast<std::size_t>(r)]));
  }
  for (int c = 0; c < map_->columns; ++c) {
    const QRect above(CellRect(0, c).left(), grid.top() - 18, kCell, 16);
    painter.drawText(above, Qt::AlignCenter,
                     QString::fromStdString(map_->columnCodes[static_cast<std::size_t>(c)]));
  }
}

// Each piece a rounded rectangle inset by its term's place (so terms over the same cells
// stay apart); a side open at a map edge runs on past the edge, cut off by the grid.
void KarnaughView::PaintGroups(QPainter& painter) const {
  const QRect grid = Grid();
  painter.save();
  painter.setClipRect(grid);
  for (std::size_t g = 0; g < map_->groups.size(); ++g) {
    QColor fill = TermColour(g);
    fill.setAlpha(40);
    painter.setPen(QPen(TermColour(g), 2));
    painter.setBrush(fill);
    const int inset = 4 + 4 * static_cast<int>(g % 3);
    for (const MapRect& piece : map_->groups[g].pieces) {
      QRect box(CellRect(piece.row, piece.column).topLeft(),
                QSize(piece.columns * kCell, piece.rows * kCell));
      box.adjust(piece.openLeft ? -kCell : inset, piece.openTop ? -kCell : inset,
                 piece.openRight ? kCell : -inset, piece.openBottom ? kCell : -inset);
      painter.drawRoundedRect(box, 10, 10);
    }
  }
  painter.restore();
}

void KarnaughView::PaintLegend(QPainter& painter) const {
  int y = Grid().bottom() + kLegendGap;
  for (std::size_t g = 0; g < map_->groups.size(); ++g) {
    painter.setPen(QPen(TermColour(g), 2));
    QColor fill = TermColour(g);
    fill.setAlpha(40);
    painter.setBrush(fill);
    painter.drawRoundedRect(QRect(kMargin, y + 2, kSwatch, kSwatch), 3, 3);
    painter.setPen(TermColour(g).darker(130));
    const std::string name = SumOfProducts(Inputs(*map_), {map_->groups[g].term});
    painter.drawText(QRect(kMargin + kSwatch + 8, y, width(), LineHeight(*this)),
                     Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(name));
    y += LineHeight(*this);
  }
}

void KarnaughView::Choose(int row, int column) {
  row_ = row, column_ = column;
  update();
  emit rowChosen(map_->TableRow(row, column));
}

void KarnaughView::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (!map_ || event->button() != Qt::LeftButton || !Grid().contains(at)) return;
  Choose((at.y() - Grid().top()) / kCell, (at.x() - Grid().left()) / kCell);
}

void KarnaughView::keyPressEvent(QKeyEvent* event) {
  if (!map_) return QWidget::keyPressEvent(event);
  auto around = [](int k, int size) { return (k + size) % size; };
  switch (event->key()) {
    case Qt::Key_Left:
      column_ = around(column_ - 1, map_->columns);
      break;
    case Qt::Key_Right:
      column_ = around(column_ + 1, map_->columns);
      break;
    case Qt::Key_Up:
      row_ = around(row_ - 1, map_->rows);
      break;
    case Qt::Key_Down:
      row_ = around(row_ + 1, map_->rows);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      return Choose(row_, column_);
    default:
      return QWidget::keyPressEvent(event);
  }
  update();
}

}  // namespace tessara::app
