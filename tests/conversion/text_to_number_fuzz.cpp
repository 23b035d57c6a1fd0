// Feeds arbitrary bytes to the field-text conversions and checks them against a slow,
// plainly written reference: fold byte by byte, match the number's form, and let glibc's
// strtod read that whole prefix with no digit dropped.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "conversion/conversion.h"
#include "conversion/full_width.h"

namespace {

std::string ReferenceFold(const std::string& text) {
  std::string folded;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      folded += text[i];
      continue;
    }
    if (i + 1 == text.size()) {
      break;  // a lone lead byte at the end
    }
    const auto trail = static_cast<unsigned char>(text[++i]);
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      folded += static_cast<char>(trail - 0x80);
    } else if (lead == 0xA1 && trail == 0xA1) {
      folded += ' ';
    } else if (lead == 0xA1 && trail == 0xAB) {
      folded += '~';
    } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
      folded += '*';
    } else {
      folded += static_cast<char>(lead);
      folded += static_cast<char>(trail);
    }
  }
  return folded;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

double ReferenceNumber(const std::string& folded) {
  std::size_t i = 0;
  while (i < folded.size() && (folded[i] == ' ' || (folded[i] >= 9 && folded[i] <= 13))) {
    ++i;
  }
  std::string prefix;
  if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) {
    prefix += folded[i++];
  }
  bool digit_seen = false;
  bool point_seen = false;
  for (; i < folded.size(); ++i) {
    if (IsDigit(folded[i])) {
      digit_seen = true;
    } else if (folded[i] == '.' && !point_seen) {
      point_seen = true;
    } else {
      break;
    }
    prefix += folded[i];
  }
  if (!digit_seen) {
    return 0.0;
  }
  if (i < folded.size() && std::strchr("eEdD", folded[i]) != nullptr && folded[i] != '\0') {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < folded.size() && (folded[j] == '+' || folded[j] == '-')) {
      exponent += folded[j++];
    }
    if (j < folded.size() && IsDigit(folded[j])) {
      while (j < folded.size() && IsDigit(folded[j])) {
        exponent += folded[j++];
      }
      prefix += exponent;
    }
  }
  return std::strtod(prefix.c_str(), nullptr);
}

bool SameDouble(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A field text ends at its first zero byte.
  const std::string text(reinterpret_cast<const char*>(data), strnlen(reinterpret_cast<const char*>(data), size));

  std::string folded(text.size() + 1, '\0');
  char* end = quorvane::FoldFullWidth(text.c_str(), folded.data());
  folded.resize(static_cast<std::size_t>(end - folded.data()));
  if (folded != ReferenceFold(text)) {
    std::abort();
  }

  const double number = quorvane::TextToNumber(text.c_str());
  if (!SameDouble(number, ReferenceNumber(folded))) {
    std::abort();
  }

  const std::int32_t whole = quorvane::ToWholeNumber(number);
  if (std::isfinite(number) && std::fabs(number) < 2147483648.0 && whole != static_cast<std::int32_t>(number)) {
    std::abort();
  }
  const quorvane::NumberText written = quorvane::NumberToText(number);
  if (std::strlen(written.c_str()) == 0 || std::strlen(written.c_str()) >= quorvane::NumberText::kCapacity) {
    std::abort();
  }
  return 0;
}
