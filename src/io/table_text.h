// A truth table as text: what `tessara-sim table` prints and the window's "Copy" puts
// on the clipboard, and the same text read back as a teacher's expected answer.
//
//   I1 I2 | O1 O2                              header: inputs, '|', outputs
//   0 1 | 1 0  (settles after 3 steps)         one row per combination
//   0 0 | ~ ~  (repeats every 2 steps from step 0)
//   1 1 | ~ 0  (no repeat within 1000000 steps)
//
// The timing note is written only when asked for. A circuit without inputs has the
// header "| O1" and one row "| 0".
//
// An expected answer may also hold output cells 'X' ("don't care": any value
// matches), and the line "# rows left out are don't care", which makes every row it
// leaves out a row of 'X'.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "io/circuit_file.h"
#include "sim/truth_table.h"

namespace tessara {

// The most a table text may hold: a 16-input table with a timing note on every row,
// and room to spare.
inline constexpr std::size_t kMaxTableTextBytes = std::size_t{16} << 20;

// The cells of a row joined by single spaces: "010" gives "0 1 0".
std::string Spaced(std::string_view cells);

// The row's repeat note (sim/repeat_notes.h) in parentheses: "(settles after K steps)",
// "(repeats every P steps from step K)" or "(no repeat within <bound> steps)".
std::string TimingNote(const TableRow& row, int bound = kSettleBound);

// "I1 I2 | O1 O2" and '\n'.
std::string HeaderLine(std::size_t inputs, std::size_t outputs);

// "0 1 | 1 0" and '\n'; with timing, two spaces and the row's note before the '\n'.
std::string RowLine(const TableRow& row, bool timing, int bound = kSettleBound);

// The header line and one line per row, each row's note taken at table.bound.
std::string TableText(const TruthTable& table, bool timing);

// True when the first line that is neither empty nor starts with '#' holds a '|'.
bool LooksLikeTableText(std::string_view text);

struct TableTextResult {
  std::optional<TruthTable> table;  // rows in binary counting order; no timing
  FileError error;                  // meaningful only without a table
};

// Reads a table as TableText writes it. A byte-order mark at the start is skipped and
// lines may end in LF, CRLF or CR alone, as in circuit files. Empty lines and lines
// starting with '#' are skipped; the header's names are not checked, only counted,
// but a header of cells alone is refused; spaces between a row's cells are optional
// and a trailing "(...)" note is ignored. Rows may come in any order, each
// combination of the inputs exactly once, every one present unless the text holds the
// line "# rows left out are don't care". A malformed text gives the reason and its
// line, counting every line of the text.
TableTextResult ReadTableText(std::string_view text);

}  // namespace tessara
