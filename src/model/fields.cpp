#include "model/fields.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cmath>
#include <limits>

namespace tessara {
namespace {

constexpr const char* kContext = "Files";  // of the reasons
constexpr int kSingleDigits = 7;
constexpr std::size_t kQuotedTextMax = 24;

// A field as a reason may quote it: printable ASCII only, cut short when long.
std::string Quote(std::string_view field) {
  std::string out = "\"";
  for (char c : field.substr(0, kQuotedTextMax)) out += (c >= ' ' && c <= '~') ? c : '?';
  if (field.size() > kQuotedTextMax) out += "...";
  return out + "\"";
}

// sign? (digits ('.' digits?)? | '.' digits) (('e' | 'E') sign? digits)?
bool IsDecimal(std::string_view s) {
  std::size_t i = 0;
  auto digits = [&] {
    std::size_t start = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
    return i - start;
  };
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t mantissa = digits();
  if (i < s.size() && s[i] == '.') {
    ++i;
    mantissa += digits();
  }
  if (mantissa == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    if (digits() == 0) return false;
  }
  return i == s.size();
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char c = a[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != b[i]) return false;
  }
  return true;
}

// value rounded to seven significant digits, as d.dddddde±x.
std::string SevenDigits(float value) {
  char buf[32];
  char* end =
      std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, kSingleDigits - 1)
          .ptr;
  return std::string(buf, end);
}

// The float a reader makes of a number: the nearest double, then the nearest float.
float ReadBack(std::string_view number) {
  double value = 0;
  std::from_chars(number.data(), number.data() + number.size(), value);
  return static_cast<float>(value);
}

}  // namespace

void FieldWriter::Separate() {
  if (line_started_) out_ += ',';
  line_started_ = true;
}

void FieldWriter::Text(std::string_view value) {
  assert(value.find('"') == std::string_view::npos);
  Separate();
  out_ += '"';
  out_ += value;
  out_ += '"';
}

void FieldWriter::Flag(bool value) {
  Separate();
  out_ += value ? "#TRUE#" : "#FALSE#";
}

void FieldWriter::Whole(long value) {
  Separate();
  char buf[24];
  out_.append(buf, std::to_chars(buf, buf + sizeof buf, value).ptr);
}

void FieldWriter::Float(float value) {
  Separate();
  if (!std::isfinite(value) || value == 0) {
    out_ += '0';
    return;
  }
  // d.dddddde±x: the digits rounded once, then placed around the point by hand. Just
  // above a power of ten the float read back from those digits can round to other
  // digits; writing those instead lets every file written load and save unchanged.
  std::string rounded = SevenDigits(value);
  const std::string settled = SevenDigits(ReadBack(rounded));
  if (settled != rounded) rounded = settled;
  std::string_view sci = rounded;
  if (sci.front() == '-') {
    out_ += '-';
    sci.remove_prefix(1);
  }
  std::size_t e = sci.find('e');
  std::string digits;
  for (char c : sci.substr(0, e)) {
    if (c != '.') digits += c;
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  int exponent = 0;
  std::string_view exp = sci.substr(e + 1);
  if (exp.front() == '+') exp.remove_prefix(1);
  std::from_chars(exp.data(), exp.data() + exp.size(), exponent);
  const int point = exponent + 1;  // digits before the decimal point
  const int count = static_cast<int>(digits.size());
  if (point <= 0) {
    out_ += "0.";
    out_.append(static_cast<std::size_t>(-point), '0');
    out_ += digits;
  } else if (point >= count) {
    out_ += digits;
    out_.append(static_cast<std::size_t>(point - count), '0');
  } else {
    out_.append(digits, 0, static_cast<std::size_t>(point));
    out_ += '.';
    out_.append(digits, static_cast<std::size_t>(point));
  }
}

void FieldWriter::Real(double value) {
  Separate();
  if (!std::isfinite(value)) value = 0;
  char buf[400];
  out_.append(buf, std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed).ptr);
}

void FieldWriter::EndRecord() {
  out_ += "\r\n";
  line_started_ = false;
}

const Phrase& FieldReader::Reason() const {
  static const Phrase kNone;
  return failure_ ? *failure_ : kNone;
}

void FieldReader::Fail(Phrase reason) {
  if (Failed()) return;
  failure_ = std::move(reason);
  failure_line_ = field_line_;
}

void FieldReader::SkipSeparator() {
  if (pos_ >= text_.size()) return;
  const char c = text_[pos_];
  if (c == ',') {
    ++pos_;
  } else if (c == '\r' || c == '\n') {
    ++pos_;
    if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    ++line_;
  }
}

std::optional<std::string_view> FieldReader::Next() {
  if (Failed()) return std::nullopt;
  while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
  field_line_ = line_;
  if (pos_ >= text_.size()) {
    Fail(Words(kContext, TESSARA_PHRASE("Files", "the file ends early")));
    return std::nullopt;
  }
  std::string_view field;
  if (text_[pos_] == '"') {
    const std::size_t close = text_.find_first_of("\"\r\n", pos_ + 1);
    if (close == std::string_view::npos || text_[close] != '"') {
      Fail(Words(kContext, TESSARA_PHRASE("Files", "a quoted field has no closing quote")));
      return std::nullopt;
    }
    field = text_.substr(pos_ + 1, close - pos_ - 1);
    pos_ = close + 1;
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
    if (pos_ < text_.size() && text_.find_first_of(",\r\n", pos_) != pos_) {
      Fail(Words(kContext, TESSARA_PHRASE("Files", "unexpected text after the quoted field %1"),
                 Quote(field)));
      return std::nullopt;
    }
  } else {
    const std::size_t end = std::min(text_.find_first_of(",\r\n", pos_), text_.size());
    field = text_.substr(pos_, end - pos_);
    while (!field.empty() && (field.back() == ' ' || field.back() == '\t')) field.remove_suffix(1);
    pos_ = end;
  }
  SkipSeparator();
  last_field_ = field;
  return field;
}

std::string FieldReader::Text() {
  const auto field = Next();
  return field ? std::string(*field) : std::string();
}

bool FieldReader::Flag() {
  const auto field = Next();
  if (!field) return false;
  if (EqualsIgnoringCase(*field, "#TRUE#")) return true;
  if (!EqualsIgnoringCase(*field, "#FALSE#"))
    Fail(Words(kContext, TESSARA_PHRASE("Files", "expected #TRUE# or #FALSE#, found %1"),
               Quote(*field)));
  return false;
}

std::optional<double> FieldReader::Number() {
  const auto field = Next();
  if (!field) return std::nullopt;
  if (!IsDecimal(*field)) {
    Fail(Words(kContext, TESSARA_PHRASE("Files", "expected a number, found %1"), Quote(*field)));
    return std::nullopt;
  }
  std::string_view digits = *field;
  if (digits.front() == '+') digits.remove_prefix(1);
  double value = 0;
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (result.ec != std::errc() || !std::isfinite(value)) {
    Fail(Words(kContext, TESSARA_PHRASE("Files", "the number %1 is out of range"), Quote(*field)));
    return std::nullopt;
  }
  return value;
}

long FieldReader::Whole(long lo, long hi, const char* doesNotFit) {
  const auto value = Number();
  if (!value) return 0;
  if (*value != std::trunc(*value)) {
    Fail(Words(kContext, TESSARA_PHRASE("Files", "expected a whole number, found %1"),
               Quote(last_field_)));
  } else if (*value < static_cast<double>(lo) || *value > static_cast<double>(hi)) {
    Fail(Words(kContext, doesNotFit, Quote(last_field_), std::to_string(lo), std::to_string(hi)));
  } else {
    return static_cast<long>(*value);
  }
  return 0;
}

std::int16_t FieldReader::Int16() {
  using Limits = std::numeric_limits<std::int16_t>;
  return static_cast<std::int16_t>(
      Whole(Limits::min(), Limits::max(),
            TESSARA_PHRASE("Files", "the number %1 does not fit an Integer (%2 to %3)")));
}

std::int32_t FieldReader::Int32() {
  using Limits = std::numeric_limits<std::int32_t>;
  return static_cast<std::int32_t>(
      Whole(Limits::min(), Limits::max(),
            TESSARA_PHRASE("Files", "the number %1 does not fit a Long (%2 to %3)")));
}

float FieldReader::Float() {
  const auto value = Number();
  if (!value) return 0;
  if (std::fabs(*value) > std::numeric_limits<float>::max()) {
    Fail(Words(kContext, TESSARA_PHRASE("Files", "the number %1 does not fit a Single"),
               Quote(last_field_)));
    return 0;
  }
  return static_cast<float>(*value);
}

double FieldReader::Real() { return Number().value_or(0); }

}  // namespace tessara
