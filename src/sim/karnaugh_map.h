// The Karnaugh map of one output of a truth table with 2 to 4 inputs, as a window draws
// it: a grid whose rows and columns count in Gray code, so that neighbouring cells,
// across the edges too, differ in one input; each cell a row of the table; and each
// product term of the output's minimal form (sim/minimal_form.h) as the rectangles of
// cells it covers, one rectangle or, where it wraps around an edge, two or four.
//
//   2 inputs: rows I1,    columns I2      (2 x 2)
//   3 inputs: rows I1,    columns I2 I3   (2 x 4)
//   4 inputs: rows I1 I2, columns I3 I4   (4 x 4)
//
// Row and column codes run 0 1, or 00 01 11 10. Standard library only.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "sim/minimal_form.h"
#include "sim/truth_table.h"

namespace tessara {

inline constexpr std::size_t kMinMapInputs = 2, kMaxMapInputs = 4;

// Cells row..row + rows - 1, column..column + columns - 1 of the grid. A side marked open
// is a map edge across which the group goes on, in the piece at the other edge.
struct MapRect {
  int row = 0, column = 0, rows = 1, columns = 1;
  bool openTop = false, openBottom = false, openLeft = false, openRight = false;
  bool operator==(const MapRect&) const = default;
};

// One product term of the minimal form and the cells it covers.
struct MapGroup {
  ProductTerm term;
  std::vector<MapRect> pieces;  // by row, then column
};

struct KarnaughMap {
  int rows = 0, columns = 0;
  std::vector<std::string> rowVariables, columnVariables;  // "I1", "I2", ...
  std::vector<std::string> rowCodes, columnCodes;          // "0", "1" or "00", "01", ...
  std::string cells;                                       // '0', '1' or '~' per cell, row by row
  // The minimal form of the output; its terms as groups in written order (none when a
  // cell holds '~').
  MinimalForm form;
  std::vector<MapGroup> groups;

  // The row of the truth table that a cell shows (binary counting order, I1 the top bit).
  unsigned TableRow(int row, int column) const;
  char Cell(int row, int column) const;
};

// The map of output `output` (0 for O1) of table. Requires kMinMapInputs <= table.inputs
// <= kMaxMapInputs and output < table.outputs.
KarnaughMap MakeKarnaughMap(const TruthTable& table, std::size_t output);

}  // namespace tessara
