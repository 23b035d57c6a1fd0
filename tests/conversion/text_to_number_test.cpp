#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "conversion/conversion.h"

namespace quorvane {
namespace {

const double kInfinity = std::numeric_limits<double>::infinity();

struct FieldCase {
  const char* text;
  double number;
  std::int32_t whole;
  const char* why;
};

// GBK: ４ A3B4, ０ A3B0, ３ A3B3, － A3AD, ideographic space A1A1, 度 B6C8, 四百 CBC4 B0D9.
const FieldCase kFieldCases[] = {
    {nullptr, 0, 0, "no text at all"},
    {"", 0, 0, "empty"},
    {"400", 400, 400, ""},
    {"  400", 400, 400, "leading spaces"},
    {"\t400", 400, 400, "leading tab"},
    {"\n\v\f\r400", 400, 400, "every leading control blank"},
    {"+400", 400, 400, ""},
    {"-300", -300, -300, ""},
    {"00400", 400, 400, "leading zeros"},
    {"400.9", 400.9, 400, "truncated, not rounded"},
    {"-400.9", -400.9, -400, ""},
    {"-0.9", -0.9, 0, ""},
    {".5", 0.5, 0, "no digit before the point"},
    {"5.", 5, 5, "no digit after the point"},
    {".", 0, 0, "a point alone"},
    {"-", 0, 0, "a sign alone"},
    {"+.", 0, 0, ""},
    {"1e2", 100, 100, ""},
    {"1E2", 100, 100, ""},
    {"1D2", 100, 100, "d and D are exponent letters too"},
    {"1d-2", 0.01, 0, ""},
    {"2.5e+2", 250, 250, ""},
    {"1e", 1, 1, "exponent without digits is not part of the number"},
    {"1e+", 1, 1, ""},
    {"1e-x", 1, 1, ""},
    {"1.5.5", 1.5, 1, "a second point ends the number"},
    {"400\xB6\xC8", 400, 400, "400度"},
    {"\xA3\xB4\xA3\xB0\xA3\xB0", 400, 400, "full-width digits"},
    {"\xA3\xAD\xA3\xB3\xA3\xB0\xA3\xB0", -300, -300, "full-width minus and digits"},
    {"\xA1\xA1" "400", 400, 400, "ideographic space"},
    {"\xA3\xB4\xA3\xAE\xA3\xB5\xA3\xE5\xA3\xB2", 450, 450, "full-width 4.5e2"},
    {"4 00", 4, 4, "a space ends the number"},
    {"1,500", 1, 1, "no digit grouping"},
    {"0x10", 0, 0, "no hexadecimal"},
    {"inf", 0, 0, "no words"},
    {"nan", 0, 0, ""},
    {"infinity", 0, 0, ""},
    {"- 5", 0, 0, "no space after the sign"},
    {"--5", 0, 0, ""},
    {"1+5", 1, 1, "no sign after the first digit"},
    {"\xCB\xC4\xB0\xD9", 0, 0, "Chinese numerals"},
    {"abc", 0, 0, ""},
    {"2147483647", 2147483647, 2147483647, "largest 32-bit value"},
    {"2147483648", 2147483648.0, INT32_MIN, "wraps"},
    {"4294967296", 4294967296.0, 0, ""},
    {"4294967697", 4294967697.0, 401, ""},
    {"-2147483649", -2147483649.0, INT32_MAX, "wraps the other way"},
    {"9223372036854774784", 9223372036854774784.0, -1024, "largest double below 2^63 still wraps"},
    {"9223372036854775808", 9223372036854775808.0, 0, "2^63"},
    {"1e19", 1e19, 0, ""},
    {"-1e19", -1e19, 0, ""},
    {"1e400", kInfinity, 0, "overflow gives an infinity"},
    {"-1e400", -kInfinity, 0, ""},
    {"1e-400", 0, 0, "underflow gives zero"},
    {"4.9e-324", 4.9406564584124654e-324, 0, "smallest subnormal"},
    {"2.4703282292062328e-324", 4.9406564584124654e-324, 0, "just above half the smallest subnormal"},
    {"2.4703282292062327e-324", 0, 0, "just below it"},
    {"1.7976931348623157e308", 1.7976931348623157e308, 0, "largest double"},
    {"1.7976931348623159e308", kInfinity, 0, "rounds past the largest double"},
    {"0.1", 0.1, 0, ""},
    {"9007199254740993", 9007199254740992.0, 0, "2^53 + 1: a tie goes to even"},
    {"9007199254740993.0000000000000000000001", 9007199254740994.0, 2, "just above the tie"},
    {"9007199254740995", 9007199254740996.0, 4, "tie to even, upwards"},
};

TEST(TextToNumber, ReadsTheTableCases) {
  for (const FieldCase& c : kFieldCases) {
    SCOPED_TRACE(testing::Message() << '"' << (c.text ? c.text : "(none)") << "\": " << c.why);
    const double number = TextToNumber(c.text);
    EXPECT_EQ(number, c.number);
    EXPECT_EQ(std::signbit(number), std::signbit(c.number));
    EXPECT_EQ(ToWholeNumber(number), c.whole);
  }
}

TEST(TextToNumber, KeepsTheSignOfZero) {
  EXPECT_TRUE(std::signbit(TextToNumber("-0")));
  EXPECT_TRUE(std::signbit(TextToNumber("-0.000e999999")));
  EXPECT_FALSE(std::signbit(TextToNumber("-")));
  EXPECT_FALSE(std::signbit(TextToNumber("0")));
  EXPECT_EQ(ToWholeNumber(TextToNumber("-0")), 0);
}

// Fifteen-digit values times a power of ten whose product, rounded first to the x87's 64-bit
// significand and then to double, lands one step off: any double rounding shows here.
TEST(TextToNumber, RoundsOnceWhereWiderArithmeticRoundsTwice) {
  const struct {
    const char* text;
    double expected;
  } cases[] = {
      {"373299421538236e13", 3.73299421538236e+27},
      {"544617245689924e-22", 5.44617245689924e-08},
      {"476508846913415e-10", 47650.8846913415},
      {"850522667045293e11", 8.50522667045293e+25},
      {"917015051081892e-18", 0.000917015051081892},
      {"239273226202493e-18", 0.000239273226202493},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TextToNumber(c.text), c.expected) << c.text;
  }
}

// The point is the full stop, whatever the locale says.
TEST(TextToNumber, IgnoresTheLocalesDecimalPoint) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  const char* const comma_locales[] = {"de_DE.UTF-8", "de_DE.utf8", "German_Germany.1252", "deu"};
  const char* chosen = nullptr;
  for (const char* name : comma_locales) {
    if (std::setlocale(LC_ALL, name) != nullptr) {
      chosen = name;
      break;
    }
  }
  ASSERT_NE(chosen, nullptr) << "no locale with a decimal comma is installed";
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  EXPECT_EQ(TextToNumber("400.5"), 400.5);
  EXPECT_EQ(TextToNumber("400,5"), 400);
  EXPECT_EQ(TextToNumber("1.00000000000000000000000000001e2"), 100);
  EXPECT_STREQ(NumberToText(0.5).c_str(), "0.5");
  EXPECT_STREQ(NumberToText(1.5e-5).c_str(), "1.5e-005");
  std::setlocale(LC_ALL, saved.c_str());
}

class LongField : public testing::Test {
 protected:
  static std::string Repeat(char c, std::size_t count) { return std::string(count, c); }
};

TEST_F(LongField, TenMegabytesOfDigits) {
  const std::string nines = Repeat('9', 10'000'000);
  EXPECT_EQ(TextToNumber(nines.c_str()), kInfinity) << "ten million digits overflow";
  // 1 followed by zeros and a final 1 rounds to a power of ten only when the tail is ignored.
  std::string one = "1." + Repeat('0', 10'000'000) + "1";
  EXPECT_EQ(TextToNumber(one.c_str()), 1.0);
  std::string fraction = "0." + Repeat('0', 10'000'000) + "5e10000000";
  EXPECT_EQ(TextToNumber(fraction.c_str()), 0.5) << "leading zeros of the fraction place the point";
}

TEST_F(LongField, ExponentOfAMillionDigits) {
  const std::string huge = "1e" + Repeat('9', 1'000'000);
  EXPECT_EQ(TextToNumber(huge.c_str()), kInfinity);
  const std::string tiny = "1e-" + Repeat('9', 1'000'000);
  EXPECT_EQ(TextToNumber(tiny.c_str()), 0.0);
  const std::string zeros = "25e" + Repeat('0', 1'000'000) + "1";
  EXPECT_EQ(TextToNumber(zeros.c_str()), 250.0) << "leading zeros of the exponent";
  const std::string cancelled = Repeat('0', 1000) + "." + Repeat('0', 999'999) + "7e1000000";
  EXPECT_EQ(TextToNumber(cancelled.c_str()), 7.0) << "a long fraction and a long exponent cancel";
}

// Past the 800 digits that are kept, a non-zero digit anywhere must still tip a tie.
TEST_F(LongField, DigitsBeyondThoseKeptDecideATie) {
  const std::string below = "9007199254740993" + Repeat('0', 5000) + "e-5000";
  EXPECT_EQ(TextToNumber(below.c_str()), 9007199254740992.0);
  const std::string above = "9007199254740993" + Repeat('0', 5000) + "1e-5001";
  EXPECT_EQ(TextToNumber(above.c_str()), 9007199254740994.0);
  const std::string above_after_point = "9007199254740993." + Repeat('0', 5000) + "1";
  EXPECT_EQ(TextToNumber(above_after_point.c_str()), 9007199254740994.0);
  const std::string full_width_tail = "9007199254740993." + Repeat('0', 5000) + "\xA3\xB1" + Repeat('0', 10);
  EXPECT_EQ(TextToNumber(full_width_tail.c_str()), 9007199254740994.0) << "a full-width digit among the dropped ones";
  const std::string full_width_zeros = "9007199254740993" + Repeat('0', 900) + "\xA3\xB0" + Repeat('0', 99) + "e-1000";
  EXPECT_EQ(TextToNumber(full_width_zeros.c_str()), 9007199254740992.0) << "full-width zeros still count as places";
}

TEST(TextToNumber, SurvivesEveryByteAndLoneLeadBytes) {
  char text[4] = {};
  for (int first = 1; first < 256; ++first) {
    for (int second = 0; second < 256; ++second) {
      text[0] = static_cast<char>(first);
      text[1] = static_cast<char>(second);
      // Two bytes hold at most two digits, or one full-width digit.
      const double number = TextToNumber(text);
      ASSERT_LE(std::fabs(number), 99.0) << first << ' ' << second;
    }
  }
  EXPECT_EQ(TextToNumber("5\xA3"), 5) << "lone lead byte at the end is dropped";
  EXPECT_EQ(TextToNumber("\xA3"), 0);
  EXPECT_EQ(TextToNumber("\xA3\xB5\xA3"), 5);
  EXPECT_EQ(TextToNumber("7\x01" "8"), 7) << "control character ends the number";
  EXPECT_EQ(TextToNumber("\xB6" "5"), 0) << "a lead byte takes the digit after it";
}

}  // namespace
}  // namespace quorvane
