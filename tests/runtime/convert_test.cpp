#include "runtime/convert.h"

#include <gtest/gtest.h>

#include "runtime/errors.h"
#include "runtime/format.h"
#include "runtime/int16.h"
#include "runtime/random.h"
#include "support/error_code.h"

namespace velvora {
namespace {

using test::ErrorOf;

TEST(TextToLong, AcceptsDecimalNumbersWithBlanksAround) {
  EXPECT_EQ(TextToLong("1234"), 1234);
  EXPECT_EQ(TextToLong("  -2147483633 "), -2147483633);
  EXPECT_EQ(TextToLong("+7"), 7);
  EXPECT_EQ(TextToLong("2147483647"), 2147483647);
  EXPECT_EQ(TextToLong("-2147483648"), INT32_MIN);
  EXPECT_EQ(TextToLong("2.5"), 2);  // halves go to the even neighbour
  EXPECT_EQ(TextToLong("3.5"), 4);
}

TEST(TextToLong, RejectsWhatIsNoNumber) {
  for (const char* text : {"", "   ", "12A34", "abc", "-", "1 2", "0x10", "."}) {
    EXPECT_EQ(ErrorOf([&] { TextToLong(text); }), 13) << '"' << text << '"';
  }
  EXPECT_EQ(ErrorOf([] { TextToLong("2147483648"); }), 6);
  EXPECT_EQ(ErrorOf([] { TextToLong("-2147483649"); }), 6);
  EXPECT_EQ(ErrorOf([] { TextToLong("99999999999999999999999"); }), 6);
}

TEST(LeadingNumber16, TakesTheNumberAtTheStart) {
  EXPECT_EQ(LeadingNumber16(" 3 "), 3);
  EXPECT_EQ(LeadingNumber16("5 Minutes"), 5);
  EXPECT_EQ(LeadingNumber16("abc"), 0);
  EXPECT_EQ(LeadingNumber16(""), 0);
  EXPECT_EQ(LeadingNumber16("-1"), -1);
  EXPECT_EQ(LeadingNumber16("  -5.2x"), -5);
}

TEST(LeadingNumber16, RoundsHalvesToEven) {
  EXPECT_EQ(LeadingNumber16("1.5"), 2);
  EXPECT_EQ(LeadingNumber16("2.5"), 2);
  EXPECT_EQ(LeadingNumber16("3.5"), 4);
  EXPECT_EQ(LeadingNumber16("2.50001"), 3);
  EXPECT_EQ(LeadingNumber16("-2.5"), -2);
  EXPECT_EQ(LeadingNumber16("-3.5"), -4);
  EXPECT_EQ(LeadingNumber16(".5"), 0);
  EXPECT_EQ(LeadingNumber16("0.51"), 1);
}

TEST(LeadingNumber16, OverflowsOutsideSixteenBits) {
  EXPECT_EQ(LeadingNumber16("32767"), 32767);
  EXPECT_EQ(LeadingNumber16("-32768"), -32768);
  EXPECT_EQ(LeadingNumber16("32767.4"), 32767);
  EXPECT_EQ(ErrorOf([] { LeadingNumber16("32767.5"); }), 6);
  EXPECT_EQ(ErrorOf([] { LeadingNumber16("32768"); }), 6);
  EXPECT_EQ(ErrorOf([] { LeadingNumber16("-32769"); }), 6);
  EXPECT_EQ(LeadingNumberWide("100000"), 100000);
}

TEST(Int16, CheckedArithmeticOverflows) {
  EXPECT_EQ(Mul16(546, 60), 32760);
  EXPECT_EQ(ErrorOf([] { Mul16(547, 60); }), 6);
  EXPECT_EQ(ErrorOf([] { Add16(32767, 1); }), 6);
  EXPECT_EQ(Sub16(-32767, 1), -32768);
  EXPECT_EQ(ToBool16(true), -1);
  EXPECT_EQ(ToBool16(false), 0);
}

TEST(Format, TwoDigits) {
  EXPECT_EQ(F(5), "05");
  EXPECT_EQ(F(0), "00");
  EXPECT_EQ(F(89), "89");
  EXPECT_EQ(F(120), "120");
  EXPECT_EQ(F(-5), "-05");
  EXPECT_EQ(F(-120), "-120");
}

TEST(Errors, StandardTexts) {
  EXPECT_STREQ(RuntimeError(ErrorNumber::InvalidProcedureCall).what(), "Invalid procedure call or argument");
  EXPECT_STREQ(RuntimeError(ErrorNumber::Overflow).what(), "Overflow");
  EXPECT_STREQ(RuntimeError(ErrorNumber::TypeMismatch).what(), "Type mismatch");
}

TEST(Random, SameSequenceEveryRunInUnitRange) {
  Random a, b;
  for (int i = 0; i < 100000; ++i) {
    float x = a.Next();
    ASSERT_EQ(x, b.Next());
    ASSERT_GE(x, 0.0f);
    ASSERT_LT(x, 1.0f);
  }
  // Spread: both halves of the range come up often.
  Random c;
  int high = 0;
  for (int i = 0; i < 10000; ++i) high += c.Next() > 0.5f;
  EXPECT_GT(high, 4500);
  EXPECT_LT(high, 5500);
}

}  // namespace
}  // namespace velvora
