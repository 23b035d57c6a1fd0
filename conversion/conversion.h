// The power conversion: field texts in, a contact-lens power out, and that power back as text.
// Pure functions without state; none of them fails or reports anything.
#pragma once

#include <cstdint>

#include "conversion/number_text.h"

namespace quorvane {

// Contact-lens power, in whole 度 held in a double, of one eye's spectacle and cylinder
// powers (in 度, short sight positive), with a vertex distance of 0.012 m.
double ContactLensPower(std::int32_t spectacle, std::int32_t cylinder) noexcept;

// The number a field text starts with (GBK bytes up to the first zero byte; null counts as
// empty), rounded to the nearest double. Text that is not a number gives 0.
double TextToNumber(const char* text) noexcept;

// The double truncated toward zero through a 64-bit integer and wrapped to 32 bits; NaN,
// infinities and magnitudes from 2^63 up give 0.
std::int32_t ToWholeNumber(double value) noexcept;

// The double written as "%.13g" with an exponent of at least three digits, on every platform
// and in every locale.
NumberText NumberToText(double value) noexcept;

}  // namespace quorvane
