#include "sim/karnaugh_map.h"

#include <cassert>

namespace tessara {
namespace {

unsigned Gray(int position) {
  const auto k = static_cast<unsigned>(position);
  return k ^ (k >> 1);
}

int Bits(int size) { return size == 4 ? 2 : 1; }

// Position k of a side of `size` cells in Gray order, as `bits` digits: "01".
std::string Code(int k, int size) {
  std::string code;
  for (int bit = Bits(size) - 1; bit >= 0; --bit) code += (Gray(k) >> bit & 1u) != 0 ? '1' : '0';
  return code;
}

// The cells of one side that a term covers, restricted to that side's inputs (care and
// value shifted down to them), as runs of neighbouring cells. A term covers one run of
// Gray positions around the side; split by the edge, it is two, open where cut.
struct Run {
  int start = 0, length = 0;
  bool openBefore = false, openAfter = false;
};
std::vector<Run> Runs(int size, unsigned care, unsigned value) {
  std::vector<Run> runs;
  for (int k = 0; k < size; ++k) {
    if ((Gray(k) & care) != value) continue;
    if (runs.empty() || runs.back().start + runs.back().length != k) runs.push_back({k, 0});
    ++runs.back().length;
  }
  assert(runs.size() == 1 || runs.size() == 2);
  if (runs.size() == 2) runs.front().openBefore = runs.back().openAfter = true;
  return runs;
}

}  // namespace

unsigned KarnaughMap::TableRow(int row, int column) const {
  return Gray(row) << Bits(columns) | Gray(column);
}

char KarnaughMap::Cell(int row, int column) const {
  return cells[static_cast<std::size_t>(row * columns + column)];
}

KarnaughMap MakeKarnaughMap(const TruthTable& table, std::size_t output) {
  const std::size_t n = table.inputs;
  assert(n >= kMinMapInputs && n <= kMaxMapInputs && output < table.outputs);
  KarnaughMap map;
  const int rowBits = n == 4 ? 2 : 1, columnBits = static_cast<int>(n) - rowBits;
  map.rows = 1 << rowBits;
  map.columns = 1 << columnBits;
  for (int k = 1; k <= static_cast<int>(n); ++k) {
    (k <= rowBits ? map.rowVariables : map.columnVariables).push_back('I' + std::to_string(k));
  }
  for (int r = 0; r < map.rows; ++r) map.rowCodes.push_back(Code(r, map.rows));
  for (int c = 0; c < map.columns; ++c) map.columnCodes.push_back(Code(c, map.columns));
  for (int r = 0; r < map.rows; ++r) {
    for (int c = 0; c < map.columns; ++c) map.cells += table.rows[map.TableRow(r, c)].out[output];
  }
  map.form = Minimise(n, OutputColumn(table, output));
  const unsigned columnMask = (1u << columnBits) - 1;
  for (const ProductTerm& term : map.form.terms) {
    MapGroup& group = map.groups.emplace_back(MapGroup{term, {}});
    for (const Run& r : Runs(map.rows, term.care >> columnBits, term.value >> columnBits)) {
      for (const Run& c : Runs(map.columns, term.care & columnMask, term.value & columnMask)) {
        group.pieces.push_back({r.start, c.start, r.length, c.length, r.openBefore, r.openAfter,
                                c.openBefore, c.openAfter});
      }
    }
  }
  return map;
}

}  // namespace tessara
