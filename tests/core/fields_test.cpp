#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "io/fields.h"

namespace tessara {
namespace {

struct SingleRow {
  Single value;
  const char* text;
};

TEST(FieldWriter, SingleIsRoundedToSevenDigitsWithoutExponent) {
  for (const SingleRow& row : {SingleRow{8200, "8200"}, SingleRow{1234.5f, "1234.5"}, SingleRow{-150, "-150"},
                               SingleRow{0.3f, "0.3"}, SingleRow{16777216, "16777220"}, SingleRow{0, "0"},
                               SingleRow{-0.0f, "0"}, SingleRow{799.5f, "799.5"}, SingleRow{1e-10f, "0.0000000001"},
                               SingleRow{123456789.0f, "123456800"}, SingleRow{-0.000123f, "-0.000123"},
                               SingleRow{1e20f, "100000000000000000000"}}) {
    std::string out;
    FieldWriter(out).Single(row.value);
    EXPECT_EQ(out, row.text);
  }
}

TEST(FieldWriter, SingleJustAboveAPowerOfTenReadsBackToTheSameText) {
  for (Single value : {1.00000006e28f, -1.00000042e28f, 1.00000008e-38f, -1.0000005e-38f, 8200.0f}) {
    std::string first;
    FieldWriter(first).Single(value);
    FieldReader reader(first);
    std::string second;
    FieldWriter(second).Single(reader.Single());
    EXPECT_EQ(second, first) << value;
  }
}

TEST(FieldWriter, FieldsAreCommaSeparatedAndRecordsEndInCrLf) {
  std::string out;
  FieldWriter fd(out);
  fd.Text("Version");
  fd.Double(0.3);
  fd.EndRecord();
  fd.Whole(-2);
  fd.Boolean(true);
  fd.Boolean(false);
  fd.EndRecord();
  EXPECT_EQ(out, "\"Version\",0.3\r\n-2,#TRUE#,#FALSE#\r\n");
}

struct NumberRow {
  const char* text;
  Double value;
};

TEST(FieldReader, NumbersMayTakeAnyDecimalForm) {
  for (const NumberRow& row : {NumberRow{".5", 0.5}, NumberRow{"0.5", 0.5}, NumberRow{"+.5", 0.5}, NumberRow{"-.5", -0.5},
                               NumberRow{"5E-1", 0.5}, NumberRow{"  5e-1", 0.5}, NumberRow{"\"2.5\"", 2.5},
                               NumberRow{"3.", 3}, NumberRow{"1e1", 10}, NumberRow{"-3.4e38", -3.4e38}}) {
    FieldReader fd(row.text);
    EXPECT_EQ(fd.Single(), static_cast<Single>(row.value)) << row.text;
    EXPECT_FALSE(fd.Failed()) << row.text << ": " << fd.Reason();
  }
}

TEST(FieldReader, WholeNumbersInRangeRead) {
  FieldReader fd("-32768,32767,2.0,1e1,-2147483648,2147483647");
  EXPECT_EQ(fd.Integer(), -32768);
  EXPECT_EQ(fd.Integer(), 32767);
  EXPECT_EQ(fd.Integer(), 2);
  EXPECT_EQ(fd.Long(), 10);
  EXPECT_EQ(fd.Long(), std::numeric_limits<Long>::min());
  EXPECT_EQ(fd.Long(), std::numeric_limits<Long>::max());
  EXPECT_FALSE(fd.Failed()) << fd.Reason();
}

enum class Kind { kBoolean, kInteger, kLong, kSingle };

struct BadRow {
  Kind kind;
  const char* text;
  const char* reason;
};

TEST(FieldReader, FieldsThatDoNotFitTheirTypeFail) {
  for (const BadRow& row : {BadRow{Kind::kInteger, "32768", "does not fit an Integer"},
                            BadRow{Kind::kInteger, "-32769", "does not fit an Integer"},
                            BadRow{Kind::kLong, "2147483648", "does not fit a Long"},
                            BadRow{Kind::kInteger, "2.5", "expected a whole number"},
                            BadRow{Kind::kLong, "1e-3", "expected a whole number"},
                            BadRow{Kind::kSingle, "3.5e38", "does not fit a Single"},
                            BadRow{Kind::kSingle, "1e400", "out of range"},
                            BadRow{Kind::kSingle, "nan", "expected a number"},
                            BadRow{Kind::kSingle, "inf", "expected a number"},
                            BadRow{Kind::kSingle, "1.2.3", "expected a number"},
                            BadRow{Kind::kSingle, "0x10", "expected a number"},
                            BadRow{Kind::kInteger, "  ,", "expected a number, found \"\""},
                            BadRow{Kind::kBoolean, "TRUE", "expected #TRUE# or #FALSE#"},
                            BadRow{Kind::kBoolean, "-1", "expected #TRUE# or #FALSE#"},
                            BadRow{Kind::kBoolean, "\"#TRUE#", "no closing quote"},
                            BadRow{Kind::kBoolean, "\"#TRUE#\"x", "unexpected text"}}) {
    FieldReader fd(row.text);
    switch (row.kind) {
      case Kind::kBoolean: fd.Boolean(); break;
      case Kind::kInteger: fd.Integer(); break;
      case Kind::kLong: fd.Long(); break;
      case Kind::kSingle: fd.Single(); break;
    }
    EXPECT_TRUE(fd.Failed()) << row.text;
    EXPECT_NE(fd.Reason().find(row.reason), std::string::npos) << row.text << ": " << fd.Reason();
  }
}

TEST(FieldReader, FieldsEndAtCommasOrAnyLineEndAndFailuresNameTheirLine) {
  FieldReader fd("\"a b\" ,#true#\n#False#\r\n 7\r-1,x");
  EXPECT_EQ(fd.Text(), "a b");
  EXPECT_TRUE(fd.Boolean());
  EXPECT_FALSE(fd.Boolean());
  EXPECT_EQ(fd.Line(), 3);
  EXPECT_EQ(fd.Integer(), 7);
  EXPECT_EQ(fd.Integer(), -1);
  EXPECT_EQ(fd.Integer(), 0);
  EXPECT_EQ(fd.FailureLine(), 4);
  EXPECT_EQ(fd.Long(), 0);  // the first failure sticks
  EXPECT_EQ(fd.Reason(), "expected a number, found \"x\"");
  EXPECT_EQ(fd.FailureLine(), 4);
}

TEST(FieldReader, ReadingPastTheEndFails) {
  FieldReader fd("1\r\n");
  fd.Long();
  fd.Long();
  EXPECT_EQ(fd.Reason(), "the file ends early");
  EXPECT_EQ(fd.FailureLine(), 2);
}

}  // namespace
}  // namespace tessara
