#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "conversion/conversion.h"
#include "conversion/round_whole.h"

namespace quorvane {
namespace {

struct PowerCase {
  std::int32_t spectacle;
  std::int32_t cylinder;
  double expected;
  const char* why;
};

const PowerCase kPowerCases[] = {
    {0, 0, 0, "two empty boxes: positive zero passes through"},
    {100, 0, 99, ""},
    {250, 0, 243, ""},
    {375, 0, 359, ""},
    {400, 0, 382, "r = 381.679..., the note on the window"},
    {500, 0, 472, ""},
    {600, 0, 560, ""},
    {800, 0, 730, ""},
    {1000, 0, 893, ""},
    {8000, 0, 4082, ""},
    {-100, 0, -101, "long sight: the lens gets stronger"},
    {-300, 0, -311, ""},
    {-500, 0, -532, ""},
    {300, 50, 313, "half the cylinder is added"},
    {300, 75, 324, "odd cylinder: s has a half"},
    {300, 100, 336, ""},
    {300, 150, 359, "same s as 375 / 0"},
    {300, -50, 266, "negative cylinder lowers s"},
    {400, 99, 426, ""},
    {400, -99, 336, ""},
    {1, 0, 1, "r = 0.99988..."},
    {-1, 0, -1, "r = -1.00012..."},
    {0, 1, 0, "r = 0.49997..., below the half"},
    {0, -1, -1, "r = -0.50003..., beyond the half"},
    {125000, 0, 7813, "exact tie 7812.5 goes away from zero"},
    {83325000, 0, 8333, "exact tie 8332.5"},
    {83324999, 0, 8332, "r = 8332.4999999..."},
    {-3000, 0, -4688, "negative exact tie goes away from zero"},
    {-35000, 0, 10938, "exact tie 10937.5 beyond the pole"},
    {-9400, 0, 73438, "r = 73437.50000000006 only in this step order"},
    {-8120, 0, -317187, "r = -317187.4999999992 only in this step order"},
    {-8333, 0, -208325000, "smallest result of all inputs"},
    {-8333, -1, 416675000, "largest result: the sign flips beyond the pole"},
    {-8334, 0, 104175000, ""},
    {-416675000, 0, 8334, "r is exactly 8333.5"},
    {-416675000, -1, 8333, ""},
    {INT32_MAX, 0, 8333, "far end of the input range"},
    {INT32_MIN, 0, 8333, ""},
    {INT32_MAX, INT32_MAX, 8333, "s beyond the 32-bit range is still exact"},
};

TEST(ContactLensPower, GivesTheTableResults) {
  for (const PowerCase& c : kPowerCases) {
    SCOPED_TRACE(testing::Message() << c.spectacle << " / " << c.cylinder << ": " << c.why);
    const double result = ContactLensPower(c.spectacle, c.cylinder);
    EXPECT_EQ(result, c.expected);
    EXPECT_FALSE(std::signbit(result) && result == 0.0);
  }
}

// The result depends only on s = spectacle + cylinder / 2, stays a finite whole number
// within its known bounds, and is never a negative zero, across the whole input range.
TEST(ContactLensPower, StaysWholeFiniteAndBoundedAcrossTheRange) {
  std::uint64_t state = 0x9E3779B97F4A7C15u;
  const auto next = [&state] {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(state));
  };
  for (int i = 0; i < 200000; ++i) {
    // Half the draws near the pole at s = -8333.33, where the results are largest.
    const std::int32_t spectacle = i % 2 == 0 ? next() : -8333 + next() % 64;
    const std::int32_t cylinder = i % 2 == 0 ? next() : next() % 64;
    const double result = ContactLensPower(spectacle, cylinder);
    ASSERT_TRUE(std::isfinite(result)) << spectacle << " / " << cylinder;
    ASSERT_EQ(result, std::trunc(result)) << spectacle << " / " << cylinder;
    ASSERT_GE(result, -208325000.0) << spectacle << " / " << cylinder;
    ASSERT_LE(result, 416675000.0) << spectacle << " / " << cylinder;
    ASSERT_FALSE(result == 0.0 && std::signbit(result)) << spectacle << " / " << cylinder;
    if (cylinder % 2 == 0 && cylinder != INT32_MIN) {
      // Moving the whole of half the cylinder into the spectacle power keeps s.
      const std::int64_t moved = static_cast<std::int64_t>(spectacle) + cylinder / 2;
      if (moved >= INT32_MIN && moved <= INT32_MAX) {
        ASSERT_EQ(result, ContactLensPower(static_cast<std::int32_t>(moved), 0)) << spectacle << " / " << cylinder;
      }
    }
  }
}

struct RoundCase {
  double value;
  double expected;
  const char* why;
};

TEST(RoundWhole, RoundsHalvesAwayFromZeroAndLiftsNearHalves) {
  const double infinity = std::numeric_limits<double>::infinity();
  const RoundCase cases[] = {
      {0.5, 1, "a half rounds up"},
      {-0.5, -1, "a negative half rounds away from zero"},
      {2.5, 3, "not to even"},
      {0.4999999999995, 1, "short of a half by 5e-13: lifted by the nudge"},
      {0.49999999999, 0, "short by 1e-11: not lifted"},
      {std::nextafter(8191.5, 0.0), 8192, "one step short of a half below 16384: lifted"},
      {std::nextafter(16384.5, 0.0), 16384, "from 16384 up the nudge is lost in rounding"},
      {1.25, 1, ""},
      {-1.75, -2, ""},
      {1e300, 1e300, "far beyond the fraction bits"},
      {infinity, infinity, "an infinity has no fraction"},
      {-infinity, -infinity, ""},
  };
  for (const RoundCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << ": " << c.why);
    EXPECT_EQ(RoundWhole(c.value), c.expected);
  }
}

TEST(RoundWhole, PassesZerosAndNaNUnchanged) {
  EXPECT_TRUE(std::signbit(RoundWhole(-0.0)));
  EXPECT_EQ(RoundWhole(-0.0), 0.0);
  EXPECT_FALSE(std::signbit(RoundWhole(0.0)));
  EXPECT_TRUE(std::isnan(RoundWhole(std::numeric_limits<double>::quiet_NaN())));
  EXPECT_TRUE(std::signbit(RoundWhole(-0.25))) << "a negative value below the half stays negative";
}

}  // namespace
}  // namespace quorvane
