#include <cfloat>
#include <cmath>
#include <cstdint>

#include "conversion/conversion.h"
#include "conversion/round_whole.h"

// Every step below must round once to double. Wider intermediates (the x87 stack) get some
// results wrong, so such a build is refused here rather than shipped.
static_assert(FLT_EVAL_METHOD == 0, "build with SSE2 floating point (-msse2 -mfpmath=sse on 32-bit x86)");

namespace quorvane {

namespace {
constexpr double kHalving = 2.0;
constexpr double kVertexDistanceMetres = 0.012;
constexpr double kDegreesPerDioptre = 100.0;
constexpr double kOne = 1.0;
constexpr double kRoundingNudge = 1e-12;
constexpr double kRoundUpThreshold = 0.5;
}  // namespace

double RoundWhole(double value) noexcept {
  if (value == 0.0 || std::isnan(value)) {
    return value;
  }
  const bool negative = std::signbit(value);
  const double nudged = std::fabs(value) + kRoundingNudge;
  double whole = 0.0;
  const double fraction = std::modf(nudged, &whole);
  if (fraction >= kRoundUpThreshold) {
    whole = whole + 1.0;
  }
  return negative ? -whole : whole;
}

// The steps stay in this order: an algebraically equal form rounds differently for some
// inputs (-9400 and -8120 among them).
double ContactLensPower(std::int32_t spectacle, std::int32_t cylinder) noexcept {
  const double spectacle_power = spectacle;
  const double cylinder_power = cylinder;
  const double half = cylinder_power / kHalving;
  const double spherical_equivalent = spectacle_power + half;
  const double lens_power = (-spectacle_power) - (cylinder_power / kHalving);
  const double scaled = lens_power * kVertexDistanceMetres;
  const double vertex_term = scaled / kDegreesPerDioptre;
  const double denominator = kOne - vertex_term;
  const double at_the_eye = spherical_equivalent / denominator;
  return RoundWhole(at_the_eye);
}

}  // namespace quorvane
