// An expected answer that takes time: a sequence of rows played one after the other on
// one run of the circuit (sim/sequence_run.h), checked row by row.
//
//   sequence                      the first line that is neither empty nor a comment
//   # the SR latch of NORs        comments and empty lines may stand anywhere
//   I1 I2 | O1                    the header, as in a table text
//   0 1 | 0
//   0 0 | 1      keeps its 1      a note: set off by two spaces or more, or "(...)"
//   C 0 | 1                       'C': a pulse, up, settle, down, settle
//   1 1 | X
//
// Input cells are '0', '1' or 'C'; output cells '0', '1', '~' (the output changes
// within the cycle) or 'X' (anything). Spaces between cells are optional; a note never
// begins with a cell character, so "0 1 | 0 1" has two output cells. Lines end and the
// text is limited as in a table text (io/table_text.h).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "io/circuit_file.h"

namespace tessara {

struct SequenceRow {
  std::string in;                  // '0', '1' or 'C' per input, I1 first
  std::string out;                 // '0', '1', '~' or 'X' per output, O1 first
  std::size_t line = 0;            // its line in the text, from 1
  std::vector<std::size_t> outAt;  // where each output cell stands in that line
};

struct Sequence {
  std::size_t inputs = 0, outputs = 0;
  std::vector<SequenceRow> rows;   // at least one, in order
  std::vector<std::string> lines;  // every line of the text, without its end

  // The input cells of every row, in order, as the run of a sequence takes them.
  std::vector<std::string> Inputs() const;
};

// True when the first line that is neither empty nor starts with '#' is "sequence".
bool LooksLikeSequenceText(std::string_view text);

struct SequenceTextResult {
  std::optional<Sequence> sequence;
  FileError error;  // meaningful only without a sequence
};

// Reads a sequence text. A malformed text gives the reason and its line, counting every
// line of the text: a missing header, a row without '|', a cell of the wrong kind, a
// row with too few or too many cells, or no row at all.
SequenceTextResult ReadSequenceText(std::string_view text);

// The text again, with got's output cells (one string per row, as many cells as the
// header has outputs) in place of each row's expected ones; every other character of
// every line, comments and notes included, kept. Lines end in '\n'. Requires got to have
// a string per row.
std::string PlayedText(const Sequence& sequence, const std::vector<std::string>& got);

}  // namespace tessara
