#include "io/text_lines.h"

namespace tessara {

std::string_view Trim(std::string_view text) {
  const std::size_t begin = text.find_first_not_of(" \t\r");
  if (begin == std::string_view::npos) return {};
  return text.substr(begin, text.find_last_not_of(" \t\r") - begin + 1);
}

bool Skipped(std::string_view line) { return Trim(line).empty() || line.front() == '#'; }

std::vector<std::string_view> TextLines(std::string_view text) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    text.remove_prefix(end + (crlf ? 2 : 1));
  }
  return lines;
}

std::size_t FirstContent(const std::vector<std::string_view>& lines) {
  std::size_t first = 0;
  while (first < lines.size() && Skipped(lines[first])) ++first;
  return first;
}

std::size_t WordCount(std::string_view text) {
  std::size_t count = 0;
  bool inWord = false;
  for (const char c : text) {
    const bool space = c == ' ' || c == '\t';
    count += !space && !inWord ? 1 : 0;
    inWord = !space;
  }
  return count;
}

}  // namespace tessara
