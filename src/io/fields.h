// Field-level reading and writing of circuit files. The grammar of the whole file is
// in circuit_file.h.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/types.h"

namespace tessara {

// Appends comma-separated fields to a text, one record per line, lines ending CRLF.
class FieldWriter {
 public:
  explicit FieldWriter(std::string& out) : out_(out) {}
  void Text(std::string_view value);  // "value"
  void Boolean(tessara::Boolean value);  // #TRUE# or #FALSE#
  void Whole(long value);  // Integer and Long: decimal digits
  void Single(tessara::Single value);  // shortest form with at most 7 significant digits
  void Double(tessara::Double value);
  void EndRecord();  // CRLF

 private:
  void Separate();
  std::string& out_;
  bool line_started_ = false;
};

// Reads fields one at a time from a text. The first failure sticks: later reads
// return zero values and the reader keeps the reason and the line it happened on.
class FieldReader {
 public:
  explicit FieldReader(std::string_view text) : text_(text) {}
  std::string Text();
  tessara::Boolean Boolean();
  tessara::Integer Integer();
  tessara::Long Long();
  tessara::Single Single();
  tessara::Double Double();

  bool Failed() const { return failure_.has_value(); }
  const std::string& Reason() const;
  int FailureLine() const { return failure_line_; }
  int Line() const { return line_; }  // 1-based line of the next field
  // Marks the reader failed at the line of the field last read.
  void Fail(std::string reason);

 private:
  // ...
  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
  std::optional<std::string> failure_;
  int failure_line_ = 0;
};

}  // namespace tessara
