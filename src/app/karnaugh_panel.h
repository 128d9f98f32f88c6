// The truth table window's "Karnaugh Map" view: which output to map, and its map
// (KarnaughView) for a table of 2 to 4 inputs and some outputs; a note for any other.
#pragma once

#include <QWidget>
#include <optional>

#include "sim/truth_table.h"

class QComboBox;
class QLabel;

namespace tessara::app {

class KarnaughView;

class KarnaughPanel : public QWidget {
  Q_OBJECT
 public:
  explicit KarnaughPanel(QWidget* parent = nullptr);

  // Maps the chosen output of table (O1 at first, kept while the table has it); nothing
  // or a table that cannot be mapped shows the note. Keeps a copy of a table it maps.
  void Show(const TruthTable* table);

  KarnaughView& View() { return *view_; }

 signals:
  // A cell of the map was chosen: its row of the truth table.
  void rowChosen(unsigned row);

 private:
  void MapChosenOutput();

  std::optional<TruthTable> table_;  // the table mapped
  QComboBox* output_ = nullptr;
  QLabel* note_ = nullptr;
  KarnaughView* view_ = nullptr;
};

}  // namespace tessara::app
