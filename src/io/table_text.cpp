#include "io/table_text.h"

#include <sstream>
#include <vector>

#include "sim/repeat_notes.h"
#include "sim/signal_rows.h"

namespace tessara {
namespace {

std::string_view Trim(std::string_view text) {
  const std::size_t begin = text.find_first_not_of(" \t\r");
  if (begin == std::string_view::npos) return {};
  return text.substr(begin, text.find_last_not_of(" \t\r") - begin + 1);
}

bool Skipped(std::string_view line) { return Trim(line).empty() || line.front() == '#'; }

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::size_t WordCount(std::string_view text) {
  std::istringstream words{std::string(text)};
  std::size_t count = 0;
  for (std::string word; words >> word;) ++count;
  return count;
}

// The cells of one side of a row, spaces dropped; nothing when a cell is not in allowed.
std::optional<std::string> Cells(std::string_view side, std::string_view allowed) {
  std::string cells;
  for (char c : side) {
    if (c == ' ' || c == '\t' || c == '\r') continue;
    if (allowed.find(c) == std::string_view::npos) return std::nullopt;
    cells += c;
  }
  return cells;
}

TableTextResult Refuse(std::string reason, std::size_t line) {
  return {std::nullopt, {std::move(reason), static_cast<int>(line)}};
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

std::string TimingNote(const TableRow& row) { return "(" + RowRepeatNote(row) + ")"; }

std::string TableText(const TruthTable& table, bool timing) {
  std::string text;
  for (std::size_t k = 1; k <= table.inputs; ++k) text += TerminalName(kInputGate, k) + ' ';
  text += '|';
  for (std::size_t k = 1; k <= table.outputs; ++k) text += ' ' + TerminalName(kOutputGate, k);
  text += '\n';
  for (const TableRow& row : table.rows) {
    for (char c : row.in) text += std::string{c, ' '};
    text += '|';
    for (char c : row.out) text += std::string{' ', c};
    if (timing) text += "  " + TimingNote(row);
    text += '\n';
  }
  return text;
}

bool LooksLikeTableText(std::string_view text) {
  for (std::string_view line : Lines(text)) {
    if (!Skipped(line)) return line.find('|') != std::string_view::npos;
  }
  return false;
}

TableTextResult ReadTableText(std::string_view text) {
  const std::vector<std::string_view> lines = Lines(text);
  std::size_t header = 0;
  while (header < lines.size() && Skipped(lines[header])) ++header;
  if (header == lines.size()) return Refuse("no table: the text holds no header line", 0);
  const std::string_view top = lines[header];
  const std::size_t bar = top.find('|');
  if (bar == std::string_view::npos) return Refuse("the header has no '|'", header + 1);
  TruthTable table{WordCount(top.substr(0, bar)), WordCount(top.substr(bar + 1)), {}};
  if (table.inputs > kMaxTableInputs) {
    return Refuse("more than " + std::to_string(kMaxTableInputs) + " inputs", header + 1);
  }
  table.rows.resize(std::size_t{1} << table.inputs);
  std::vector<std::size_t> lineOf(table.rows.size(), 0);
  for (std::size_t i = header + 1; i < lines.size(); ++i) {
    if (Skipped(lines[i])) continue;
    std::string_view line = Trim(lines[i]);
    if (line.back() == ')' && line.rfind('(') != std::string_view::npos) {
      line = Trim(line.substr(0, line.rfind('(')));
    }
    const std::size_t split = line.find('|');
    if (split == std::string_view::npos) {
      return Refuse("a row needs a '|' between inputs and outputs", i + 1);
    }
    const std::optional<std::string> in = Cells(line.substr(0, split), "01");
    const std::optional<std::string> out = Cells(line.substr(split + 1), "01~");
    if (!in || !out || in->size() != table.inputs || out->size() != table.outputs) {
      return Refuse("expected " + std::to_string(table.inputs) + " input values (0 or 1) and " +
                        std::to_string(table.outputs) + " output values (0, 1 or ~)",
                    i + 1);
    }
    const std::size_t index = RowOf(*in);
    if (lineOf[index] != 0) {
      return Refuse("a second row for inputs " + Spaced(*in) + " (the first is on line " +
                        std::to_string(lineOf[index]) + ")",
                    i + 1);
    }
    lineOf[index] = i + 1;
    table.rows[index].in = *in;
    table.rows[index].out = *out;
  }
  for (std::size_t index = 0; index < lineOf.size(); ++index) {
    if (lineOf[index] != 0) continue;
    return Refuse("no row for inputs " + Spaced(RowInputs(index, table.inputs)), header + 1);
  }
  return {std::move(table), {}};
}

}  // namespace tessara
