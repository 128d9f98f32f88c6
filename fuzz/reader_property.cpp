#include "reader_property.h"

#include "io/circuit_file.h"
#include "model/kinds.h"
#include "sim/propagation.h"

namespace tessara::fuzz {
namespace {
using Broken = std::optional<std::string>;

// Lines as the reader counts them: CRLF, a lone CR and a lone LF each end one.
int CountLines(std::string_view text) {
  int lines = 1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    lines += text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
  }
  return lines;
}

Broken CheckDocument(const Document& doc) {
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    const Link& link = doc.Links(i);
    const Gate& g = doc.Gates(i);
    const std::string slot = " " + std::to_string(i);
    if (!IsSlotIndex(link.Source) || !IsSlotIndex(link.Target) || !IsSlotIndex(link.Next) ||
        link.TargetInput < 0 || link.TargetInput > 2) {
      return "link" + slot + " names a slot or input out of range";
    }
    const std::int32_t type = g.GetType();
    if (type != kNoGate && !FindKind(type))
      return "gate slot" + slot + " holds type " + std::to_string(type);
    if (g.GetUsed() != (type != kNoGate))
      return "gate slot" + slot + " is used while empty, or unused holding a gate";
    if (g.GetCurrOutput()) return "gate slot" + slot + " comes back with its output True";
  }
  if (doc.CurrentTool != kSelectTool || doc.PowerOn) return "tool or power not as after a reset";
  return std::nullopt;
}

// 106 lines of printable ASCII, each ending CRLF, that load back and save the same.
Broken CheckRoundTrip(const Document& doc) {
  const std::string first = WriteCircuit(doc);
  int lines = 0;
  for (std::size_t i = 0; i < first.size(); ++i) {
    const bool lineEnd = first.compare(i, 2, "\r\n") == 0;
    if (!lineEnd && (first[i] < ' ' || first[i] > '~'))
      return "the writer put byte " + std::to_string(static_cast<unsigned char>(first[i])) +
             " outside a line end";
    lines += lineEnd;
    i += lineEnd;
  }
  if (lines != 4 + 2 * kSlotCount || first.back() != '\n')
    return "the writer wrote " + std::to_string(lines) + " lines";
  const LoadResult again = ReadCircuit(first);
  if (!again.document)
    return "its own file is refused at line " + std::to_string(again.error.line) + ": " +
           again.error.reason.English();
  if (WriteCircuit(*again.document) != first) return "saved, loaded and saved again, it changed";
  return std::nullopt;
}
}  // namespace

std::optional<std::string> CheckReader(std::string_view text) {
  LoadResult result = ReadCircuit(text);
  if (!result.document) {
    const FileError& error = result.error;
    if (error.reason.English().empty()) return "refused without a reason";
    if (error.line < 1 || error.line > CountLines(text))
      return "refused at line " + std::to_string(error.line) + ": " + error.reason.English();
    return std::nullopt;
  }
  Document& doc = *result.document;
  if (auto broken = CheckDocument(doc)) return broken;
  if (auto broken = CheckRoundTrip(doc)) return broken;
  for (std::int16_t i = 0; i < kSlotCount; ++i) ToggleInput(doc, i);
  for (int step = 0; step < 3; ++step) PropStep(doc);
  return std::nullopt;
}
}  // namespace tessara::fuzz
