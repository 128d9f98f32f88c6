// A man page's synopsis and a usage text's lines, for tests that hold the two (and the
// guides) to the same commands.
#pragma once

#include <iomanip>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace tessara::testing {

// The lines of text that start with prefix, leading spaces dropped, after the first line
// that starts with from and before the next one that starts with to.
inline std::vector<std::string> LinesBetween(const std::string& text, std::string_view from,
                                             std::string_view to, std::string_view prefix) {
  std::vector<std::string> found;
  std::istringstream in(text);
  bool inside = false;
  for (std::string line; std::getline(in, line);) {
    if (inside && line.starts_with(to)) break;
    if (!inside) {
      inside = line.starts_with(from);
      continue;
    }
    line.erase(0, line.find_first_not_of(' '));
    if (line.starts_with(prefix)) found.push_back(line);
  }
  return found;
}

// The man page's synopsis as text, one line per command: each macro's words joined as
// troff sets them (.B and .I with spaces, the alternating .RB, .IR... without).
inline std::vector<std::string> ManSynopsis(const std::string& page) {
  std::vector<std::string> lines;
  for (std::string macro : LinesBetween(page, ".SH SYNOPSIS", ".SH", ".")) {
    std::istringstream words(macro);
    std::string name, word, set;
    words >> name;
    while (words >> std::quoted(word)) set += (set.empty() || name.size() == 2 ? " " : "") + word;
    for (std::size_t dash; (dash = set.find("\\-")) != std::string::npos;) set.erase(dash, 1);
    if (name == ".SY") lines.push_back(set.substr(1));
    if (name != ".SY" && name != ".YS") lines.back() += set;
  }
  return lines;
}

}  // namespace tessara::testing
