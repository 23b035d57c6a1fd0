#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "conversion/conversion.h"
#include "conversion/full_width.h"

namespace quorvane {

namespace {

// No double needs more than 767 significant decimal digits to round correctly; keeping 800
// and standing for the rest with one sticky non-zero digit gives the same double as all of them.
constexpr std::size_t kDigitsKept = 800;
// Exponents are summed in 64 bits; beyond this the value is an infinity or zero anyway.
constexpr std::int64_t kExponentCap = INT64_C(1000000000000000);
// Leading-digit exponents outside these bounds overflow to infinity or vanish to zero.
constexpr std::int64_t kLargestFiniteExponent = 308;
constexpr std::int64_t kSmallestNonZeroExponent = -324;

// A field text read one folded character at a time.
class FoldedReader {
 public:
  explicit FoldedReader(const char* text) noexcept
      : next_(reinterpret_cast<const unsigned char*>(text != nullptr ? text : "")),
        current_(FoldCharacterAt(next_)) {}

  // The current character's byte; -1 at the end or for a two-byte character kept as it is,
  // neither of which can be part of a number.
  int Peek() const noexcept { return current_.length == 0 ? -1 : current_.byte; }

  void Advance() noexcept {
    next_ += current_.length;
    current_ = FoldCharacterAt(next_);
  }

  // Passes a run of plain ASCII digits in one go: how many there were, and whether any was
  // not '0'. Long fields are mostly such runs.
  std::size_t SkipAsciiDigits(bool& non_zero) noexcept {
    const unsigned char* end = next_;
    while (*end >= '0' && *end <= '9') {
      non_zero = non_zero || *end != '0';
      ++end;
    }
    const auto count = static_cast<std::size_t>(end - next_);
    next_ = end;
    current_ = FoldCharacterAt(next_);
    return count;
  }

  bool Take(int byte) noexcept {
    if (Peek() != byte) {
      return false;
    }
    Advance();
    return true;
  }

 private:
  const unsigned char* next_;
  FoldedCharacter current_;
};

bool IsDigit(int byte) noexcept { return byte >= '0' && byte <= '9'; }

bool IsLeadingBlank(int byte) noexcept { return byte == ' ' || (byte >= 0x09 && byte <= 0x0D); }

// The decimal number read so far: digits x 10^scale.
struct DecimalNumber {
  char digits[kDigitsKept + 2];  // the kept digits, a sticky digit and a zero byte
  std::size_t count = 0;
  std::int64_t scale = 0;
  bool any_digit = false;    // a digit, zero or not, was read
  bool dropped_non_zero = false;

  void AddDigit(int byte, bool after_point) noexcept {
    any_digit = true;
    if (count == 0 && byte == '0') {
      scale -= after_point ? 1 : 0;  // leading zeros only place the point
      return;
    }
    if (count < kDigitsKept) {
      digits[count++] = static_cast<char>(byte);
      scale -= after_point ? 1 : 0;
    } else {
      dropped_non_zero = dropped_non_zero || byte != '0';
      scale += after_point ? 0 : 1;
    }
  }
};

// Reads digits with at most one point; the caller checks that one digit came.
void ReadMantissa(FoldedReader& reader, DecimalNumber& number) noexcept {
  bool after_point = false;
  for (;;) {
    const int byte = reader.Peek();
    if (IsDigit(byte) && number.count == kDigitsKept) {
      const std::size_t skipped = reader.SkipAsciiDigits(number.dropped_non_zero);
      number.scale += after_point ? 0 : static_cast<std::int64_t>(skipped);
      if (skipped != 0) {
        continue;
      }
      number.AddDigit(byte, after_point);  // a full-width digit
    } else if (IsDigit(byte)) {
      number.AddDigit(byte, after_point);
    } else if (byte == '.' && !after_point) {
      after_point = true;
    } else {
      return;
    }
    reader.Advance();
  }
}

// An exponent counts only with at least one digit after the letter and its sign; otherwise
// the reader is left before the letter and the exponent is 0.
std::int64_t ReadExponent(FoldedReader& reader) noexcept {
  const int letter = reader.Peek();
  if (letter != 'e' && letter != 'E' && letter != 'd' && letter != 'D') {
    return 0;
  }
  FoldedReader after_letter = reader;
  after_letter.Advance();
  const bool negative = after_letter.Take('-');
  if (!negative) {
    after_letter.Take('+');
  }
  if (!IsDigit(after_letter.Peek())) {
    return 0;
  }
  std::int64_t exponent = 0;
  for (int byte = after_letter.Peek(); IsDigit(byte); after_letter.Advance(), byte = after_letter.Peek()) {
    if (exponent < kExponentCap) {
      exponent = exponent * 10 + (byte - '0');
    }
  }
  reader = after_letter;
  return negative ? -exponent : exponent;
}

// Clinger's fast path: up to 15 digits are exact in a double, and so is 10^k up to 10^22,
// so one multiplication or division, rounded once, is the correctly rounded value.
bool TryExactProduct(const DecimalNumber& number, double& value) noexcept {
  constexpr std::size_t kExactDigits = 15;
  constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                          1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                          1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  constexpr std::int64_t kLargestExactPower = 22;
  if (number.dropped_non_zero || number.count > kExactDigits || number.scale > kLargestExactPower ||
      number.scale < -kLargestExactPower) {
    return false;
  }
  std::uint64_t digits = 0;
  for (std::size_t i = 0; i < number.count; ++i) {
    digits = digits * 10 + static_cast<std::uint64_t>(number.digits[i] - '0');
  }
  const auto mantissa = static_cast<double>(digits);
  const double power = kExactPowersOfTen[number.scale < 0 ? -number.scale : number.scale];
  value = number.scale < 0 ? mantissa / power : mantissa * power;
  return true;
}

// Writes "e" and the exponent in decimal; returns the end.
char* WriteExponent(std::int64_t exponent, char* out) noexcept {
  *out++ = 'e';
  if (exponent < 0) {
    *out++ = '-';
  }
  std::uint64_t magnitude = exponent < 0 ? 0 - static_cast<std::uint64_t>(exponent) : static_cast<std::uint64_t>(exponent);
  char reversed[20];
  std::size_t length = 0;
  do {
    reversed[length++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  while (length != 0) {
    *out++ = reversed[--length];
  }
  return out;
}

// Correctly rounded conversion of the significant digits. The text handed to strtod has
// digits and an exponent but no decimal point, so no locale can change how it reads; the
// toolchain's strtod rounds correctly (glibc, mingw-w64's gdtoa, the universal CRT).
double DigitsToDouble(DecimalNumber& number) noexcept {
  double exact = 0.0;
  if (TryExactProduct(number, exact)) {
    return exact;
  }
  if (number.dropped_non_zero) {
    number.digits[number.count++] = '1';
    number.scale -= 1;
  }
  const std::int64_t leading_exponent = number.scale + static_cast<std::int64_t>(number.count) - 1;
  if (leading_exponent > kLargestFiniteExponent) {
    return HUGE_VAL;
  }
  if (leading_exponent < kSmallestNonZeroExponent) {
    return 0.0;
  }
  // digits, 'e', a sign and at most 20 exponent digits, and a zero byte
  char text[kDigitsKept + 1 + 1 + 1 + 20 + 1];
  std::memcpy(text, number.digits, number.count);
  char* end = WriteExponent(number.scale, text + number.count);
  *end = '\0';
  const int saved_errno = errno;
  const double value = std::strtod(text, nullptr);
  errno = saved_errno;
  return value;
}

}  // namespace

double TextToNumber(const char* text) noexcept {
  FoldedReader reader(text);
  while (IsLeadingBlank(reader.Peek())) {
    reader.Advance();
  }
  const bool negative = reader.Take('-');
  if (!negative) {
    reader.Take('+');
  }
  DecimalNumber number;
  ReadMantissa(reader, number);
  if (!number.any_digit) {
    return 0.0;
  }
  double magnitude = 0.0;
  if (number.count != 0) {
    number.scale += ReadExponent(reader);
    magnitude = DigitsToDouble(number);
  }
  return negative ? -magnitude : magnitude;
}

}  // namespace quorvane
