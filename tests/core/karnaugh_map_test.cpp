// Karnaugh maps: the Gray-coded grid and the minimal form's groups, wrapping at edges.
#include "sim/karnaugh_map.h"

#include <gtest/gtest.h>

#include <bit>

namespace tessara {
namespace {

// A table of n inputs and one output whose column is `column`.
TruthTable TableOf(std::size_t n, const std::string& column) {
  TruthTable table{n, 1, {}};
  for (std::size_t r = 0; r < column.size(); ++r) {
    TableRow row;
    for (std::size_t k = 1; k <= n; ++k) row.in += (r >> (n - k) & 1) != 0 ? '1' : '0';
    row.out = column.substr(r, 1);
    table.rows.push_back(row);
  }
  return table;
}

TEST(KarnaughMap, IsAGrayCodedGridWhereNeighboursAcrossEveryEdgeDifferInOneInput) {
  for (std::size_t n = kMinMapInputs; n <= kMaxMapInputs; ++n) {
    const KarnaughMap map = MakeKarnaughMap(TableOf(n, std::string(1u << n, '0')), 0);
    EXPECT_EQ(static_cast<std::size_t>(map.rows * map.columns), std::size_t{1} << n);
    for (int r = 0; r < map.rows; ++r) {
      for (int c = 0; c < map.columns; ++c) {
        const unsigned here = map.TableRow(r, c);
        EXPECT_EQ(std::popcount(here ^ map.TableRow((r + 1) % map.rows, c)), 1);
        EXPECT_EQ(std::popcount(here ^ map.TableRow(r, (c + 1) % map.columns)), 1);
      }
    }
  }
  const KarnaughMap three = MakeKarnaughMap(TableOf(3, "0000001~"), 0);
  EXPECT_EQ(three.rowVariables, (std::vector<std::string>{"I1"}));
  EXPECT_EQ(three.columnVariables, (std::vector<std::string>{"I2", "I3"}));
  EXPECT_EQ(three.columnCodes, (std::vector<std::string>{"00", "01", "11", "10"}));
  EXPECT_EQ(three.TableRow(1, 2), 7u);  // I1 = 1, I2 I3 = 11
  EXPECT_EQ(three.Cell(1, 2), '~');
  EXPECT_EQ(three.Cell(1, 3), '1');
  EXPECT_TRUE(three.groups.empty());
}

TEST(KarnaughMap, DrawsEachTermAsTheRectanglesItCoversOpenWhereItWrapsAroundAnEdge) {
  const bool o = true, _ = false;
  const struct {
    const char* term;
    std::size_t inputs;
    std::string column;
    std::vector<MapRect> pieces;
  } rows[] = {
      {"I2·I4, in the middle", 4, "0000010100000101", {{1, 1, 2, 2}}},
      {"1, the whole map", 2, "1111", {{0, 0, 2, 2}}},
      {"¬I3 of 3, around the sides",
       3,
       "10101010",
       {{0, 0, 2, 1, _, _, o, _}, {0, 3, 2, 1, _, _, _, o}}},
      {"¬I2 of 4, around top and bottom",
       4,
       "1111000011110000",
       {{0, 0, 1, 4, o, _, _, _}, {3, 0, 1, 4, _, o, _, _}}},
      {"¬I2·¬I4, the four corners",
       4,
       "1010000010100000",
       {{0, 0, 1, 1, o, _, o, _},
        {0, 3, 1, 1, o, _, _, o},
        {3, 0, 1, 1, _, o, o, _},
        {3, 3, 1, 1, _, o, _, o}}},
  };
  for (const auto& row : rows) {
    const KarnaughMap map = MakeKarnaughMap(TableOf(row.inputs, row.column), 0);
    ASSERT_EQ(map.groups.size(), 1u) << row.term;
    EXPECT_EQ(map.groups[0].pieces, row.pieces) << row.term;
  }
}

}  // namespace
}  // namespace tessara
