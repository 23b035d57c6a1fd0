#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <limits>
#include <string>

#include "conversion/conversion.h"

namespace quorvane {
namespace {

struct TextCase {
  double value;
  const char* text;
  const char* why;
};

TEST(NumberToText, WritesThirteenSignificantDigitsInGeneralForm) {
  const TextCase cases[] = {
      {0, "0", ""},
      {382, "382", ""},
      {-311, "-311", ""},
      {416675000, "416675000", "largest result"},
      {-208325000, "-208325000", "smallest result"},
      {0.5, "0.5", ""},
      {2.0 / 3.0, "0.6666666666667", "rounded at the 13th digit"},
      {0.0001, "0.0001", "smallest exponent in plain form"},
      {0.00001, "1e-005", "three exponent digits"},
      {1.5e-5, "1.5e-005", ""},
      {1234567890123.4, "1234567890123", "13 digits, fraction dropped"},
      {9999999999999.5, "1e+013", "rounding carries into the exponent form"},
      {1e13, "1e+013", ""},
      {-1.25e100, "-1.25e+100", ""},
      {1e-300, "1e-300", ""},
      {std::numeric_limits<double>::denorm_min(), "4.940656458412e-324", "smallest subnormal"},
      {std::numeric_limits<double>::max(), "1.797693134862e+308", "largest double"},
      {100, "100", "trailing zeros of the integer stay"},
      {0.1, "0.1", ""},
      {123.456, "123.456", ""},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << ": " << c.why);
    EXPECT_STREQ(NumberToText(c.value).c_str(), c.text);
  }
}

// Any finite double, of any magnitude, comes out as the C library's own %.13g once its
// exponent is widened to three digits.
TEST(NumberToText, AgreesWithTheCLibraryAcrossMagnitudes) {
  std::uint64_t state = 0x2545F4914F6CDD1Du;
  for (int i = 0; i < 100000; ++i) {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    double value = 0;
    std::memcpy(&value, &state, sizeof value);
    if (!std::isfinite(value)) {
      continue;
    }
    char expected[64];
    std::snprintf(expected, sizeof expected, "%.13g", value);
    std::string widened = expected;
    const auto e = widened.find('e');
    if (e != std::string::npos && widened.size() - e - 2 < 3) {
      widened.insert(e + 2, 3 - (widened.size() - e - 2), '0');
    }
    ASSERT_EQ(NumberToText(value).c_str(), widened) << value;
  }
}

}  // namespace
}  // namespace quorvane
