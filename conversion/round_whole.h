#pragma once

namespace quorvane {

// Rounds to a whole number: halves away from zero, and below a magnitude of 16384 a value
// that falls short of a half by about 1e-12 or less is lifted too. Zero and NaN pass unchanged.
double RoundWhole(double value) noexcept;

}  // namespace quorvane
