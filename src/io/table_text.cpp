#include "io/table_text.h"

#include <vector>

#include "io/text_lines.h"
#include "sim/repeat_notes.h"
#include "sim/signal_rows.h"

namespace tessara {
namespace {

constexpr std::string_view kLeftOutRows = "# rows left out are don't care";

// The cells of one side of a row, spaces dropped; nothing when a cell is not in allowed.
std::optional<std::string> Cells(std::string_view side, std::string_view allowed) {
  std::string cells;
  for (char c : side) {
    if (c == ' ' || c == '\t') continue;
    if (allowed.find(c) == std::string_view::npos) return std::nullopt;
    cells += c;
  }
  return cells;
}

constexpr std::string_view kInputCells = "01", kOutputCells = "01~X";

// line trimmed, without a trailing "(...)" note.
std::string_view WithoutNote(std::string_view line) {
  line = Trim(line);
  if (!line.empty() && line.back() == ')' && line.rfind('(') != std::string_view::npos) {
    line = Trim(line.substr(0, line.rfind('(')));
  }
  return line;
}

// True when line (holding a '|') reads as a row: cells on both sides, and some cell.
bool IsRow(std::string_view line) {
  line = WithoutNote(line);
  const std::size_t bar = line.find('|');
  const std::optional<std::string> in = Cells(line.substr(0, bar), kInputCells);
  const std::optional<std::string> out = Cells(line.substr(bar + 1), kOutputCells);
  return in && out && !(in->empty() && out->empty());
}

constexpr const char* kContext = "Files";  // of the reasons

// reason, a pattern of kContext, filled with parts; line 0 when none applies.
template <typename... Parts>
TableTextResult Refuse(std::size_t line, const char* reason, Parts&&... parts) {
  return {std::nullopt,
          {Words(kContext, reason, std::forward<Parts>(parts)...), static_cast<int>(line)}};
}

}  // namespace

std::string Spaced(std::string_view cells) {
  std::string text;
  for (char c : cells) {
    if (!text.empty()) text += ' ';
    text += c;
  }
  return text;
}

std::string TimingNote(const TableRow& row, int bound) {
  return "(" + RowRepeatNote(row, bound).ToolsEnglish() + ")";
}

std::string HeaderLine(std::size_t inputs, std::size_t outputs) {
  std::string text;
  for (std::size_t k = 1; k <= inputs; ++k) text += TerminalName(kInputGate, k) + ' ';
  text += '|';
  for (std::size_t k = 1; k <= outputs; ++k) text += ' ' + TerminalName(kOutputGate, k);
  return text + '\n';
}

std::string RowLine(const TableRow& row, bool timing, int bound) {
  std::string text;
  text.reserve(2 * (row.in.size() + row.out.size()) + 2);
  for (char c : row.in) text.append({c, ' '});
  text += '|';
  for (char c : row.out) text.append({' ', c});
  if (timing) text += "  " + TimingNote(row, bound);
  text += '\n';
  return text;
}

std::string TableText(const TruthTable& table, bool timing) {
  std::string text = HeaderLine(table.inputs, table.outputs);
  for (const TableRow& row : table.rows) text += RowLine(row, timing, table.bound);
  return text;
}

bool LooksLikeTableText(std::string_view text) {
  const std::vector<std::string_view> lines = TextLines(text);
  const std::size_t first = FirstContent(lines);
  return first < lines.size() && lines[first].find('|') != std::string_view::npos;
}

TableTextResult ReadTableText(std::string_view text) {
  const std::vector<std::string_view> lines = TextLines(text);
  const std::size_t header = FirstContent(lines);
  if (header == lines.size())
    return Refuse(0, TESSARA_PHRASE("Files", "no table: the text holds no header line"));
  const std::string_view top = lines[header];
  const std::size_t bar = top.find('|');
  if (bar == std::string_view::npos || IsRow(top)) {
    return Refuse(header + 1, TESSARA_PHRASE("Files", "expected a header like 'I1 I2 | O1'"));
  }
  TruthTable table{WordCount(top.substr(0, bar)), WordCount(top.substr(bar + 1)), {}};
  if (table.inputs > kMaxTableInputs) {
    return Refuse(header + 1, TESSARA_PHRASE("Files", "more than %1 inputs"),
                  std::to_string(kMaxTableInputs));
  }
  table.rows.resize(std::size_t{1} << table.inputs);
  std::vector<std::size_t> lineOf(table.rows.size(), 0);
  bool leftOutMatch = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    leftOutMatch = leftOutMatch || Trim(lines[i]) == kLeftOutRows;
    if (i <= header || Skipped(lines[i])) continue;
    const std::string_view line = WithoutNote(lines[i]);
    const std::size_t split = line.find('|');
    if (split == std::string_view::npos) {
      return Refuse(i + 1, TESSARA_PHRASE("Files", "a row needs a '|' between inputs and outputs"));
    }
    const std::optional<std::string> in = Cells(line.substr(0, split), kInputCells);
    const std::optional<std::string> out = Cells(line.substr(split + 1), kOutputCells);
    if (!in || !out || in->size() != table.inputs || out->size() != table.outputs) {
      return Refuse(i + 1,
                    TESSARA_PHRASE("Files",
                                   "expected %1 input values (0 or 1) and %2 output values (0, 1, "
                                   "~ or X)"),
                    std::to_string(table.inputs), std::to_string(table.outputs));
    }
    const std::size_t index = RowOf(*in);
    if (lineOf[index] != 0) {
      return Refuse(i + 1,
                    TESSARA_PHRASE("Files", "a second row for inputs %1 (the first is on line %2)"),
                    Spaced(*in), std::to_string(lineOf[index]));
    }
    lineOf[index] = i + 1;
    table.rows[index].in = *in;
    table.rows[index].out = *out;
  }
  for (std::size_t index = 0; index < lineOf.size(); ++index) {
    if (lineOf[index] != 0) continue;
    const std::string in = RowInputs(index, table.inputs);
    if (!leftOutMatch) {
      return Refuse(0,
                    TESSARA_PHRASE("Files",
                                   "no row for inputs %1; rows may be left out only under the "
                                   "line \"%2\""),
                    Spaced(in), std::string(kLeftOutRows));
    }
    table.rows[index] = {in, std::string(table.outputs, 'X')};
  }
  return {std::move(table), {}};
}

}  // namespace tessara
