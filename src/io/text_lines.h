// The lines of a teacher's text (a table or a sequence), read the way circuit files are:
// a byte-order mark at the start skipped, lines ending in LF, CRLF or CR alone, empty
// lines and lines starting with '#' skipped by the readers.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace tessara {

// text without spaces, tabs and CRs at either end.
std::string_view Trim(std::string_view text);

// True for an empty line (spaces aside) and a comment, a line starting with '#'.
bool Skipped(std::string_view line);

// The lines of text, each without its end, a byte-order mark at its start dropped.
std::vector<std::string_view> TextLines(std::string_view text);

// The index of the first line that is not Skipped, or lines.size() when there is none.
std::size_t FirstContent(const std::vector<std::string_view>& lines);

// The number of words, runs of characters other than spaces and tabs, in text.
std::size_t WordCount(std::string_view text);

}  // namespace tessara
