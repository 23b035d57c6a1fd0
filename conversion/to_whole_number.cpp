#include <cmath>
#include <cstdint>

#include "conversion/conversion.h"

namespace quorvane {

std::int32_t ToWholeNumber(double value) noexcept {
  constexpr double kTwoToThe63 = 9223372036854775808.0;
  // What a 64-bit conversion gives for what it cannot hold; its low 32 bits are 0.
  std::int64_t whole = INT64_MIN;
  if (std::isfinite(value) && std::fabs(value) < kTwoToThe63) {
    whole = static_cast<std::int64_t>(value);  // truncates toward zero
  }
  // Keep the low 32 bits as two's complement, spelled out so it is defined everywhere.
  const auto low = static_cast<std::uint32_t>(static_cast<std::uint64_t>(whole));
  if (low <= static_cast<std::uint32_t>(INT32_MAX)) {
    return static_cast<std::int32_t>(low);
  }
  return static_cast<std::int32_t>(low - UINT32_C(0x80000000)) + INT32_MIN;
}

}  // namespace quorvane
