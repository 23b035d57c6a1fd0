#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "conversion/conversion.h"

// mingw-w64 must use its own correctly rounded printf, not the system msvcrt's.
#if defined(__MINGW32__) && !__USE_MINGW_ANSI_STDIO
#error "build with __USE_MINGW_ANSI_STDIO=1"
#endif

namespace quorvane {

namespace {

constexpr int kSignificantDigits = 13;

// The value rounded to 13 significant digits: digit[0] is the first, exponent the power of
// ten it stands for.
struct RoundedDecimal {
  char digits[kSignificantDigits];
  int exponent = 0;
  bool negative = false;
};

// The C library rounds correctly; only its decimal point (the locale's) and its exponent
// width (two digits or three, by platform) vary, so the digits and the exponent are picked
// out of "%.12e" and the text is laid out here.
RoundedDecimal RoundToSignificantDigits(double value) noexcept {
  char scientific[64];
  std::snprintf(scientific, sizeof scientific, "%.*e", kSignificantDigits - 1, value);
  RoundedDecimal rounded;
  const char* next = scientific;
  rounded.negative = *next == '-';
  next += rounded.negative ? 1 : 0;
  for (int count = 0; count < kSignificantDigits; ++next) {
    if (*next >= '0' && *next <= '9') {
      rounded.digits[count++] = *next;
    }
  }
  while (*next != 'e' && *next != 'E') {
    ++next;
  }
  ++next;
  const bool negative_exponent = *next == '-';
  for (++next; *next >= '0' && *next <= '9'; ++next) {
    rounded.exponent = rounded.exponent * 10 + (*next - '0');
  }
  rounded.exponent = negative_exponent ? -rounded.exponent : rounded.exponent;
  return rounded;
}

class TextWriter {
 public:
  explicit TextWriter(NumberText& text) noexcept : out_(text.bytes) {}
  void Put(char c) noexcept { *out_++ = c; }
  void PutDigits(const char* digits, int count) noexcept {
    for (int i = 0; i < count; ++i) {
      Put(digits[i]);
    }
  }
  void PutExponent(int exponent) noexcept {
    Put('e');
    Put(exponent < 0 ? '-' : '+');
    const int magnitude = exponent < 0 ? -exponent : exponent;
    Put(static_cast<char>('0' + magnitude / 100));
    Put(static_cast<char>('0' + magnitude / 10 % 10));
    Put(static_cast<char>('0' + magnitude % 10));
  }

 private:
  char* out_;
};

// Digits after the first that %g keeps: trailing zeros go.
int FractionDigitsKept(const RoundedDecimal& rounded, int from) noexcept {
  int last = kSignificantDigits;
  while (last > from && rounded.digits[last - 1] == '0') {
    --last;
  }
  return last - from;
}

// Whole numbers below 10^13 are written as they are: every digit is significant and exact,
// which covers every contact-lens power.
bool TryWriteWholeNumber(double value, NumberText& text) noexcept {
  constexpr double kPlainFormLimit = 1e13;
  if (!(std::fabs(value) < kPlainFormLimit) || value != std::trunc(value) || (value == 0.0 && std::signbit(value))) {
    return false;
  }
  auto magnitude = static_cast<std::uint64_t>(std::fabs(value));
  char reversed[kSignificantDigits];
  int length = 0;
  do {
    reversed[length++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  TextWriter writer(text);
  if (value < 0) {
    writer.Put('-');
  }
  while (length != 0) {
    writer.Put(reversed[--length]);
  }
  return true;
}

void WriteNonFinite(double value, NumberText& text) noexcept {
  TextWriter writer(text);
  if (std::isnan(value)) {
    writer.PutDigits("nan", 3);
    return;
  }
  if (value < 0) {
    writer.Put('-');
  }
  writer.PutDigits("inf", 3);
}

}  // namespace

NumberText NumberToText(double value) noexcept {
  NumberText text;
  if (!std::isfinite(value)) {
    WriteNonFinite(value, text);
    return text;
  }
  if (TryWriteWholeNumber(value, text)) {
    return text;
  }
  const RoundedDecimal rounded = RoundToSignificantDigits(value);
  TextWriter writer(text);
  if (rounded.negative) {
    writer.Put('-');
  }
  const int x = rounded.exponent;
  if (x < -4 || x >= kSignificantDigits) {
    writer.Put(rounded.digits[0]);
    const int kept = FractionDigitsKept(rounded, 1);
    if (kept > 0) {
      writer.Put('.');
      writer.PutDigits(rounded.digits + 1, kept);
    }
    writer.PutExponent(x);
  } else if (x >= 0) {
    writer.PutDigits(rounded.digits, x + 1);
    const int kept = FractionDigitsKept(rounded, x + 1);
    if (kept > 0) {
      writer.Put('.');
      writer.PutDigits(rounded.digits + x + 1, kept);
    }
  } else {
    writer.Put('0');
    writer.Put('.');
    for (int zero = -1; zero > x; --zero) {
      writer.Put('0');
    }
    writer.PutDigits(rounded.digits, FractionDigitsKept(rounded, 0));
  }
  return text;
}

}  // namespace quorvane
