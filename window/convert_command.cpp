#include "window/convert_command.h"

#include <cstdint>

#include "conversion/conversion.h"
#include "window/control_ids.h"
#include "window/control_text.h"
#include "window/window_description.h"

namespace quorvane {

namespace {

struct EyeFields {
  std::uint32_t spectacle;
  std::uint32_t astigmatism;
  std::uint32_t result;
};

constexpr EyeFields kLeftEye = {controls::框架左眼, controls::左眼散光, controls::隐形左眼};
constexpr EyeFields kRightEye = {controls::框架右眼, controls::右眼散光, controls::隐形右眼};

double ReadNumber(std::uint32_t field) noexcept {
  OwnedText text = ReadControlText(kMainWindowId, field);
  const double number = TextToNumber(text.IsNone() ? "" : text.Bytes());
  ReleaseText(text);
  return number;
}

void ConvertEye(const EyeFields& eye) noexcept {
  const double spectacle = ReadNumber(eye.spectacle);
  const double astigmatism = ReadNumber(eye.astigmatism);
  const double power = ContactLensPower(ToWholeNumber(spectacle), ToWholeNumber(astigmatism));
  const NumberText text = NumberToText(power);
  WriteControlText(kMainWindowId, eye.result, text.c_str());
}

}  // namespace

void ConvertBothEyes() noexcept {
  ConvertEye(kLeftEye);
  ConvertEye(kRightEye);
}

}  // namespace quorvane
