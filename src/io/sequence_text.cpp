#include "io/sequence_text.h"

#include "io/text_lines.h"
#include "model/phrase.h"

namespace tessara {
namespace {

constexpr const char* kContext = "Files";  // of the reasons
constexpr std::string_view kInputCells = "01C", kOutputCells = "01~X", kSpaces = " \t";

bool IsIn(std::string_view set, char c) { return set.find(c) != std::string_view::npos; }

template <typename... Parts>
SequenceTextResult Refuse(std::size_t line, const char* reason, Parts&&... parts) {
  return {std::nullopt,
          {Words(kContext, reason, std::forward<Parts>(parts)...), static_cast<int>(line)}};
}

// "expected 1 output cell, found 2", in the singular for one.
Phrase CountsWrong(bool inputs, std::size_t expected, std::size_t found) {
  const std::string want = std::to_string(expected), got = std::to_string(found);
  if (inputs) {
    return expected == 1
               ? Words(kContext, TESSARA_PHRASE("Files", "expected %1 input cell, found %2"), want,
                       got)
               : Words(kContext, TESSARA_PHRASE("Files", "expected %1 input cells, found %2"), want,
                       got);
  }
  return expected == 1
             ? Words(kContext, TESSARA_PHRASE("Files", "expected %1 output cell, found %2"), want,
                     got)
             : Words(kContext, TESSARA_PHRASE("Files", "expected %1 output cells, found %2"), want,
                     got);
}

// One row of the text, or why line is none.
struct RowRead {
  SequenceRow row;
  std::optional<Phrase> wrong;
};

RowRead ReadRow(std::string_view line, std::size_t inputs, std::size_t outputs) {
  RowRead read;
  const std::size_t bar = line.find('|');
  if (bar == std::string_view::npos) {
    read.wrong =
        Words(kContext, TESSARA_PHRASE("Files", "a row needs a '|' between inputs and outputs"));
    return read;
  }
  for (const char c : line.substr(0, bar)) {
    if (IsIn(kSpaces, c)) continue;
    if (!IsIn(kInputCells, c)) {
      read.wrong = Words(kContext, TESSARA_PHRASE("Files", "'%1' is no input cell (0, 1 or C)"),
                         std::string(1, c));
      return read;
    }
    read.row.in += c;
  }
  std::size_t spaces = 0;
  for (std::size_t at = bar + 1; at < line.size(); ++at) {
    const char c = line[at];
    if (IsIn(kSpaces, c)) {
      ++spaces;
      continue;
    }
    if (IsIn(kOutputCells, c)) {
      read.row.out += c;
      read.row.outAt.push_back(at);
      spaces = 0;
      continue;
    }
    if (c == '(' || spaces >= 2) break;  // a note
    read.wrong = Words(kContext, TESSARA_PHRASE("Files", "'%1' is no output cell (0, 1, ~ or X)"),
                       std::string(1, c));
    return read;
  }
  if (read.row.in.size() != inputs) {
    read.wrong = CountsWrong(true, inputs, read.row.in.size());
  } else if (read.row.out.size() != outputs) {
    read.wrong = CountsWrong(false, outputs, read.row.out.size());
  }
  return read;
}

// True when line holds cells, spaces and '|' alone: a row where a header should be.
bool CellsAlone(std::string_view line) {
  for (const char c : line) {
    if (!IsIn(kInputCells, c) && !IsIn(kOutputCells, c) && !IsIn(kSpaces, c) && c != '|') {
      return false;
    }
  }
  return true;
}

}  // namespace

std::vector<std::string> Sequence::Inputs() const {
  std::vector<std::string> cells;
  cells.reserve(rows.size());
  for (const SequenceRow& row : rows) cells.push_back(row.in);
  return cells;
}

bool LooksLikeSequenceText(std::string_view text) {
  const std::vector<std::string_view> lines = TextLines(text);
  const std::size_t first = FirstContent(lines);
  return first < lines.size() && Trim(lines[first]) == "sequence";
}

SequenceTextResult ReadSequenceText(std::string_view text) {
  const std::vector<std::string_view> lines = TextLines(text);
  const std::size_t first = FirstContent(lines);
  if (first == lines.size() || Trim(lines[first]) != "sequence") {
    return Refuse(first + 1, TESSARA_PHRASE("Files", "a sequence starts with the word 'sequence'"));
  }
  std::size_t header = first + 1;
  while (header < lines.size() && Skipped(lines[header])) ++header;
  if (header == lines.size() || lines[header].find('|') == std::string_view::npos ||
      CellsAlone(lines[header])) {
    return Refuse(header == lines.size() ? 0 : header + 1,
                  TESSARA_PHRASE("Files", "expected a header like 'I1 I2 | O1'"));
  }
  const std::size_t bar = lines[header].find('|');
  Sequence sequence{
      WordCount(lines[header].substr(0, bar)), WordCount(lines[header].substr(bar + 1)), {}, {}};
  for (std::size_t i = header + 1; i < lines.size(); ++i) {
    if (Skipped(lines[i])) continue;
    RowRead read = ReadRow(lines[i], sequence.inputs, sequence.outputs);
    if (read.wrong) return {std::nullopt, {std::move(*read.wrong), static_cast<int>(i + 1)}};
    read.row.line = i + 1;
    sequence.rows.push_back(std::move(read.row));
  }
  if (sequence.rows.empty()) {
    return Refuse(0, TESSARA_PHRASE("Files", "no rows: a sequence needs a row after its header"));
  }
  sequence.lines.assign(lines.begin(), lines.end());
  return {std::move(sequence), {}};
}

std::string PlayedText(const Sequence& sequence, const std::vector<std::string>& got) {
  std::vector<std::string> lines = sequence.lines;
  for (std::size_t r = 0; r < sequence.rows.size(); ++r) {
    const SequenceRow& row = sequence.rows[r];
    for (std::size_t k = 0; k < row.outAt.size(); ++k)
      lines[row.line - 1][row.outAt[k]] = got.at(r)[k];
  }
  std::string text;
  for (const std::string& line : lines) text += line + '\n';
  return text;
}

}  // namespace tessara
