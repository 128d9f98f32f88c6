// Circuit files: written byte for byte, read leniently, only used records of known
// kinds placed.
#include "io/circuit_file.h"

#include <gtest/gtest.h>

#include "circuits.h"

namespace tessara {
namespace {
using testing::CircuitBuilder;

// The file text of the given gate and link records, every other slot untouched.
std::string FileText(std::vector<std::string> gates, std::vector<std::string> links) {
  gates.resize(kSlotCount, "11,0,0,#FALSE#,0");
  links.resize(kSlotCount, "1,#FALSE#,0,#FALSE#,0,0,#FALSE#,0,0");
  std::string text = "\"Tessara\"\r\n\"Orvandel\"\r\n\"Quillmarsh\"\r\n\"Version\",0.3\r\n";
  for (const auto& line : gates) text += line + "\r\n";
  for (const auto& line : links) text += line + "\r\n";
  return text;
}
// An input, a NOT gate and an output in slots 0 to 2, linked in a row.
const std::string kExampleText =
    FileText({"5,0,1200,#TRUE#,0", "4,2000,1200,#TRUE#,0", "6,8200,1200,#TRUE#,0"},
             {"1,#TRUE#,0,#FALSE#,0,0,#FALSE#,1,0", "1,#TRUE#,0,#FALSE#,1,0,#FALSE#,2,0"});

TEST(CircuitFile, EverySlotIsWrittenByteForByteUsedOrNot) {
  Document doc;
  EXPECT_EQ(WriteCircuit(doc), FileText({}, {}));
  CircuitBuilder build(doc);
  const std::int16_t input = build.Place(kInputGate, 300, 1200),
                     inverter = build.Place(kNotGate, 2000, 1200);
  build.Wire(input, inverter, 0);
  build.Wire(inverter, build.Place(kOutputGate, 9000, 1200), 0);
  EXPECT_EQ(WriteCircuit(doc), kExampleText);
  doc.EditGate(1).SetUsed(false);
  doc.EditGate(1).SetOrientation(1);
  doc.EditLink(1).SetUsed(false);
  EXPECT_EQ(
      WriteCircuit(doc),
      FileText({"5,0,1200,#TRUE#,0", "4,2000,1200,#FALSE#,1", "6,8200,1200,#TRUE#,0"},
               {"1,#TRUE#,0,#FALSE#,0,0,#FALSE#,1,0", "1,#FALSE#,0,#FALSE#,1,0,#FALSE#,2,0"}));
}

TEST(CircuitFile, GateRecordsLoadOnlyWhenUsedAndOfAKnownKind) {
  const struct {
    const char* record;
    std::int32_t type;
    float x;
    std::int32_t orientation;
  } rows[] = {
      // an input's x is always 0
      {"7,3000,1500,#TRUE#,0", kBufferGate, 3000, 0}, {"6,5000,900,#TRUE#,2", kOutputGate, 5000, 2},
      {"5,3000,900,#TRUE#,9", kInputGate, 0, 9},      {"2,1600,900,#FALSE#,1", kNoGate, 0, 0},
      {"12,1600,900,#TRUE#,0", kNoGate, 0, 0},        {"11,1600,900,#TRUE#,0", kNoGate, 0, 0},
      {"0,1600,900,#TRUE#,0", kNoGate, 0, 0}};
  for (const auto& row : rows) {
    std::string text = kExampleText;
    const std::size_t line6 = text.find("4,2000");
    const LoadResult loaded =
        ReadCircuit(text.replace(line6, text.find('\r', line6) - line6, row.record));
    ASSERT_TRUE(loaded.document) << row.record << ": " << loaded.error.reason.English();
    const Gate& g = loaded.document->Gates(1);
    EXPECT_EQ(std::tuple(g.GetType(), g.GetUsed(), g.GetX(), g.GetOrientation()),
              std::tuple(row.type, row.type != kNoGate, row.x, row.orientation))
        << row.record;
  }
}

TEST(CircuitFile, ReaderAcceptsEverySpellingTheFormatAllows) {
  std::string text = "Other\n  \"text\"\nhere\nVersion , 7.25\n";
  text += " 5, 0.0, +1.2e3 ,#true#,0\n4,2e3,1200,#True#,0\r\n6,8200\n1200,#TRUE#,0\n";
  for (int i = 3; i < kSlotCount; ++i) text += "11,0,0,#false#,0\n";
  text += "1,#TRUE#,0,#FALSE#,0,0,#FALSE#,1,0,1,#TRUE#,0,#FALSE#,1,0,#FALSE#,2,0\n";
  for (int i = 2; i < kSlotCount; ++i) text += "1,#FALSE#,0,#FALSE#,0,0,#FALSE#,0,.0e1\n";
  const LoadResult loaded = ReadCircuit(text + "anything at all, after the last record");
  ASSERT_TRUE(loaded.document) << loaded.error.reason.English() << " line " << loaded.error.line;
  EXPECT_EQ(WriteCircuit(*loaded.document), kExampleText);
}
}  // namespace
}  // namespace tessara
