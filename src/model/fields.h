// Field-level reading and writing of circuit files. The grammar of the whole file is
// in circuit_file.h.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/phrase.h"
#include "model/types.h"

namespace tessara {

// Appends comma-separated fields to a text, one record per line, lines ending CRLF.
class FieldWriter {
 public:
  explicit FieldWriter(std::string& out) : out_(out) {}
  void Text(std::string_view value);  // "value"; requires value without a double quote
  void Flag(bool value);              // #TRUE# or #FALSE#
  void Whole(long value);             // 16- and 32-bit fields: decimal digits, '-' when negative
  // Rounded to 7 significant digits, trailing zeros dropped, never an exponent:
  // 8200, 1234.5, -150, 0.3, 16777216 as 16777220. A value that is not finite is
  // written as 0.
  void Float(float value);
  void Real(double value);  // shortest decimal that reads back exactly
  void EndRecord();         // CRLF

 private:
  void Separate();
  std::string& out_;
  bool line_started_ = false;
};

// Reads fields one at a time from a text. The first failure sticks: later reads
// return zero values and the reader keeps the reason and the line it happened on.
// Fields end at a comma or a line end (CRLF, LF or CR); spaces and tabs before a
// field are skipped, as are double quotes around any field. Numbers may take any
// decimal form ("-5", "+.5", "1e3"); a number that does not fit its type, or a
// fraction where a whole number belongs, fails.
class FieldReader {
 public:
  explicit FieldReader(std::string_view text) : text_(text) {}
  std::string Text();
  bool Flag();  // #TRUE# or #FALSE#, in any letter case
  std::int16_t Int16();
  std::int32_t Int32();
  float Float();
  double Real();

  bool Failed() const { return failure_.has_value(); }
  // The reason of the first failure, a phrase of context "Files"; empty while none
  // happened.
  const Phrase& Reason() const;
  int FailureLine() const { return failure_line_; }
  int Line() const { return line_; }  // 1-based line of the next field
  // Marks the reader failed at the line of the field last read.
  void Fail(Phrase reason);

 private:
  // The next field without its quotes, its separator consumed; nothing once failed.
  std::optional<std::string_view> Next();
  void SkipSeparator();
  // A number field as a double; nothing (and the reader failed) when it is none.
  std::optional<double> Number();
  // A number field that must be whole and lie in lo..hi; doesNotFit is the reason for a
  // number outside, a pattern of context "Files" with the number, lo and hi as %1 to %3.
  long Whole(long lo, long hi, const char* doesNotFit);

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
  int field_line_ = 1;  // line of the field last read
  std::string_view last_field_;
  std::optional<Phrase> failure_;
  int failure_line_ = 0;
};

}  // namespace tessara
