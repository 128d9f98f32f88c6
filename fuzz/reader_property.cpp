#include "reader_property.h"

#include "io/circuit_file.h"
#include "sim/propagation.h"

namespace tessara::fuzz {
namespace {

constexpr int kWrittenLines = 4 + 2 * kSlotCount;
constexpr int kPropSteps = 3;

using Broken = std::optional<std::string>;

// Lines as the reader counts them: CRLF, a lone CR and a lone LF each end one.
int CountLines(std::string_view text) {
  int lines = 1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
      ++lines;
    }
  }
  return lines;
}

Broken CheckRefusal(const FileError& error, int lines) {
  if (error.reason.empty()) return "refused without a reason";
  if (error.line < 1 || error.line > lines) {
    return "refused at line " + std::to_string(error.line) + " of a text of " +
           std::to_string(lines) + " lines: " + error.reason;
  }
  return std::nullopt;
}

Broken CheckLinks(const Document& doc) {
  for (Integer i = 0; i < kSlotCount; ++i) {
    const linkgates& link = doc.Links(i);
    if (!IsSlotIndex(link.StartIndex) || !IsSlotIndex(link.StopIndex) ||
        !IsSlotIndex(link.LinkTo) || link.Stop_Num < 0 || link.Stop_Num > 2) {
      return "link " + std::to_string(i) + " names a slot or input out of range";
    }
  }
  return std::nullopt;
}

Broken CheckGates(const Document& doc) {
  for (Integer i = 0; i < kSlotCount; ++i) {
    const gate& g = doc.Gates(i);
    const Long type = g.GetType();
    const std::string slot = "gate slot " + std::to_string(i);
    if (type != kNoGate && (type < kAndGate || type > kXorGate)) {
      return slot + " holds type code " + std::to_string(type);
    }
    if (g.GetUsed() != (type != kNoGate)) return slot + " is used while empty, or unused while holding a gate";
    if (g.GetCurrOutput()) return slot + " comes back with its output True";
  }
  if (doc.CurrentTool != kSelectTool || doc.PowerOn) return "tool or power not as after a reset";
  return std::nullopt;
}

// 106 lines of printable ASCII, each ending CRLF.
Broken CheckWrittenForm(std::string_view text) {
  int lines = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      ++lines;
      ++i;
    } else if (c < ' ' || c > '~') {
      return "the writer put byte " + std::to_string(static_cast<unsigned char>(c)) +
             " outside a line end";
    }
  }
  if (lines != kWrittenLines || text.empty() || text.back() != '\n') {
    return "the writer wrote " + std::to_string(lines) + " whole lines";
  }
  return std::nullopt;
}

// The first line in which two written files differ, with both versions.
std::string FirstDifference(std::string_view a, std::string_view b) {
  std::size_t start = 0;
  int line = 1;
  for (std::size_t i = 0; i < a.size() && i < b.size() && a[i] == b[i]; ++i) {
    if (a[i] == '\n') {
      start = i + 1;
      ++line;
    }
  }
  const auto lineAt = [start](std::string_view text) {
    return std::string(text.substr(start, text.find('\r', start) - start));
  };
  return "line " + std::to_string(line) + " " + lineAt(a) + " became " + lineAt(b);
}

Broken CheckRoundTrip(const Document& doc) {
  const std::string first = WriteCircuit(doc);
  if (auto broken = CheckWrittenForm(first)) return broken;
  const LoadResult again = ReadCircuit(first);
  if (!again.document) {
    return "its own file is refused at line " + std::to_string(again.error.line) + ": " +
           again.error.reason;
  }
  const std::string second = WriteCircuit(*again.document);
  if (second != first) return "saved, loaded and saved again: " + FirstDifference(first, second);
  return std::nullopt;
}

void Run(Document& doc) {
  for (Integer i = 0; i < kSlotCount; ++i) ToggleInput(doc, i);
  for (int step = 0; step < kPropSteps; ++step) PropStep(doc);
}

}  // namespace

std::optional<std::string> CheckReader(std::string_view text) {
  LoadResult result = ReadCircuit(text);
  if (!result.document) return CheckRefusal(result.error, CountLines(text));
  Document& doc = *result.document;
  if (auto broken = CheckLinks(doc)) return broken;
  if (auto broken = CheckGates(doc)) return broken;
  if (auto broken = CheckRoundTrip(doc)) return broken;
  Run(doc);
  return std::nullopt;
}

}  // namespace tessara::fuzz
