#include <gtest/gtest.h>

#include <string>

#include "conversion/conversion.h"

namespace quorvane {
namespace {

// One eye through the whole chain, as the convert button runs it.
std::string ConvertEye(const char* spectacle_text, const char* cylinder_text) {
  const double spectacle = TextToNumber(spectacle_text);
  const double cylinder = TextToNumber(cylinder_text);
  return NumberToText(ContactLensPower(ToWholeNumber(spectacle), ToWholeNumber(cylinder))).c_str();
}

TEST(Pipeline, TurnsOneEyesFieldTextsIntoTheResultText) {
  const struct {
    const char* spectacle;
    const char* cylinder;
    const char* result;
    const char* why;
  } cases[] = {
      {"400", nullptr, "382", "the window's own example"},
      {nullptr, nullptr, "0", "both boxes empty"},
      {"300", "75", "324", "cylinder with a half"},
      {"-300", "", "-311", "long sight"},
      {"\xA3\xB4\xA3\xB0\xA3\xB0", "", "382", "full-width digits"},
      {"400.9", "abc", "382", "fraction cut, letters count as 0"},
      {"1e400", "1e400", "0", "infinities become 0"},
      {"-8333", "-1", "416675000", "beyond the pole"},
      {"-8333", nullptr, "-208325000", "next to the pole"},
      {"4294967696", nullptr, "382", "wraps around to 400"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(ConvertEye(c.spectacle, c.cylinder), c.result);
  }
}

}  // namespace
}  // namespace quorvane
