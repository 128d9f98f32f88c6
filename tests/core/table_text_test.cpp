// Expected answers read from text: table texts in every spelling a teacher may send,
// with don't-care cells and rows, and the refusals of what is no table.
#include "io/table_text.h"

#include <gtest/gtest.h>

#include "io/grading.h"

namespace tessara {
namespace {

// The table read from text as TableText writes it back, or "line N: reason".
std::string Read(std::string_view text) {
  const ExpectedTable read = ReadExpected(text, {}, {});
  return read.answer ? TableText(std::get<TruthTable>(*read.answer), false) : Describe(read.error);
}

TEST(ExpectedAnswer, IsReadFromEveryTableSpellingOrRefusedWithItsLineAndWhatWasExpected) {
  const std::string kHeader = "I1 I2 | O1 O2\n";
  const struct {
    const char *what, *text, *read;
  } rows[] = {
      {"a byte-order mark, a comment, CRLF",
       "\xEF\xBB\xBF# half\r\nA B | S C\r\n0 0 | 0 0\r\n"
       "0 1 | 1 0\r\n1 0 | 1 0\r\n1 1 | 0 1\r\n",
       "0 0 | 0 0\n0 1 | 1 0\n1 0 | 1 0\n1 1 | 0 1\n"},
      {"CR alone, rows in any order, notes",
       "A B | S C\r11|01 (settles after 2 steps)\r00|00\r"
       "10|10\r01|1~\r",
       "0 0 | 0 0\n0 1 | 1 ~\n1 0 | 1 0\n1 1 | 0 1\n"},
      {"don't-care cells and rows", "A B | S C\n# rows left out are don't care\n0 1 | 1 X\n",
       "0 0 | X X\n0 1 | 1 X\n1 0 | X X\n1 1 | X X\n"},
      {"no header", "# none\n\n0 0 | 0 0  (settles after 0 steps)\n",
       "line 3: expected a header like 'I1 I2 | O1'"},
      {"a row left out", "A B | S C\n0 0 | 0 0\n0 1 | 1 0\n1 1 | 0 1\n",
       "no row for inputs 1 0; rows may be left out only under the line \"# rows left out are "
       "don't care\""},
      {"a row twice", "A B | S C\r\n00|00\r\n\r\n00|01\r\n",
       "line 4: a second row for inputs 0 "
       "0 (the first is on line 2)"},
      {"a bad cell", "A B | S C\n0 0 | 0 2\n",
       "line 2: expected 2 input values (0 or 1) and 2 "
       "output values (0, 1, ~ or X)"},
      {"a row one output short", "A B | S C\n0 0 | 0\n",
       "line 2: expected 2 input values (0 or 1) and 2 output values (0, 1, ~ or X)"},
      {"a row one input too wide", "A B | S C\n0 0 0 | 0 0\n",
       "line 2: expected 2 input values (0 or 1) and 2 output values (0, 1, ~ or X)"},
      {"a row without '|'", "A B | S C\n0 0 0 0\n",
       "line 2: a row needs a '|' between inputs "
       "and outputs"},
      {"a CSV", "a,b,s,c\n0,0,0,0\n0,1,1,0\n1,0,1,0\n1,1,0,1\n",
       "line 3: expected #TRUE# or #FALSE#, found \"0\" (nor a "
       "table: a table starts with a header like 'I1 I2 | O1')"},
  };
  for (const auto& row : rows) {
    const std::string read = Read(row.text);
    EXPECT_EQ(read, read.starts_with("I1") ? kHeader + row.read : row.read) << row.what;
  }
}

}  // namespace
}  // namespace tessara
