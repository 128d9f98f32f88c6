// The fields of a circuit file: Singles written to seven digits that read back the
// same, numbers read in any decimal form, and each misfit refused with its reason.
#include "model/fields.h"

#include <gtest/gtest.h>

#include <limits>

namespace tessara {
namespace {
TEST(FieldWriter, SingleIsRoundedToSevenDigitsWithoutExponentAndReadsBackToTheSameText) {
  const struct {
    float value;
    const char* text;
  } rows[] = {
      {8200, "8200"},
      {1234.5f, "1234.5"},
      {-150, "-150"},
      {0.3f, "0.3"},
      {16777216, "16777220"},
      {0, "0"},
      {-0.0f, "0"},
      {799.5f, "799.5"},
      {1e-10f, "0.0000000001"},
      {123456789.0f, "123456800"},
      {-0.000123f, "-0.000123"},
      {1e20f, "100000000000000000000"},
      // just above a power of ten, where the nearest seven digits read back to another float
      {1.00000006e28f, nullptr},
      {-1.00000042e28f, nullptr},
      {1.00000008e-38f, nullptr},
      {-1.0000005e-38f, nullptr}};
  for (const auto& row : rows) {
    std::string first, second;
    FieldWriter(first).Float(row.value);
    EXPECT_EQ(first, row.text ? row.text : first);
    FieldWriter(second).Float(FieldReader(first).Float());
    EXPECT_EQ(second, first) << row.value;
  }
}

TEST(FieldReader, NumbersTakeAnyDecimalFormAndTheirTypesFullRangeAndMisfitsFailWithTheirReason) {
  const std::pair<const char*, double> numbers[] = {
      {".5", 0.5},     {"0.5", 0.5},     {"+.5", 0.5}, {"-.5", -0.5}, {"5E-1", 0.5},
      {"  5e-1", 0.5}, {"\"2.5\"", 2.5}, {"3.", 3},    {"1e1", 10},   {"-3.4e38", -3.4e38}};
  for (const auto& [text, value] : numbers) {
    FieldReader fd(text);
    EXPECT_EQ(fd.Float(), static_cast<float>(value)) << text;
    EXPECT_FALSE(fd.Failed()) << text << ": " << fd.Reason().English();
  }
  FieldReader fd("-32768,32767,2.0,1e1,-2147483648,2147483647");
  for (int expected : {-32768, 32767, 2}) EXPECT_EQ(fd.Int16(), expected);
  for (std::int32_t expected : {std::int32_t{10}, std::numeric_limits<std::int32_t>::min(),
                                std::numeric_limits<std::int32_t>::max()})
    EXPECT_EQ(fd.Int32(), expected);
  EXPECT_FALSE(fd.Failed()) << fd.Reason().English();
  const struct {
    char kind;
    const char* text;
    const char* reason;
  } rows[] = {// flag, 16-bit, 32-bit or float
              {'I', "32768", "does not fit an Integer"},
              {'I', "-32769", "does not fit an Integer"},
              {'L', "2147483648", "does not fit a Long"},
              {'I', "2.5", "expected a whole number"},
              {'L', "1e-3", "expected a whole number"},
              {'S', "3.5e38", "does not fit a Single"},
              {'S', "1e400", "out of range"},
              {'S', "nan", "expected a number"},
              {'S', "inf", "expected a number"},
              {'S', "1.2.3", "expected a number"},
              {'S', "0x10", "expected a number"},
              {'S', ".e5", "expected a number"},
              {'S', "1e", "expected a number"},
              {'I', "  ,", "expected a number, found \"\""},
              {'B', "TRUE", "expected #TRUE# or #FALSE#"},
              {'B', "\"#TRUE#\r\n\"", "no closing quote"},
              {'B', "\"#TRUE#\"x", "unexpected text"}};
  for (const auto& row : rows) {
    FieldReader reader(row.text);
    if (row.kind == 'B')
      reader.Flag();
    else if (row.kind == 'I')
      reader.Int16();
    else if (row.kind == 'L')
      reader.Int32();
    else
      reader.Float();
    EXPECT_NE(reader.Reason().English().find(row.reason), std::string::npos)
        << row.text << ": " << reader.Reason().English();
  }
}

TEST(FieldReader, FieldsEndAtCommasOrAnyLineEndAndTheFirstFailureNamesItsLine) {
  FieldReader fd("\"a b\" ,#true#\n#False#\r\n 7\r-1,x");
  EXPECT_EQ(fd.Text(), "a b");
  EXPECT_TRUE(fd.Flag());
  EXPECT_FALSE(fd.Flag());
  EXPECT_EQ(fd.Line(), 3);
  for (int expected : {7, -1, 0}) EXPECT_EQ(fd.Int16(), expected);
  EXPECT_EQ(fd.Int32(), 0);  // the first failure sticks
  EXPECT_EQ(fd.Reason().English() + " at line " + std::to_string(fd.FailureLine()),
            "expected a number, found \"x\" at line 4");
  FieldReader shortText("1\r\n");
  shortText.Int32();
  shortText.Int32();
  EXPECT_EQ(shortText.Reason().English() + " at line " + std::to_string(shortText.FailureLine()),
            "the file ends early at line 2");
}
}  // namespace
}  // namespace tessara
