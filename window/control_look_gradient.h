// Gradients drawn pixel by pixel into a DIB section: no dependence on the platform's
// gradient or blending libraries, and exact colours at the corners.
#pragma once

#include <windows.h>

#include "window/control_look_schemes.h"

namespace quorvane {

struct CornerColours {
  COLORREF top_left;
  COLORREF top_right;
  COLORREF bottom_left;
  COLORREF bottom_right;
};

// A scheme's gradient: its top colours above its one bottom colour.
constexpr CornerColours CornersOf(const GradientColours& gradient) noexcept {
  return {gradient.top_left, gradient.top_right, gradient.bottom, gradient.bottom};
}

// The colour at (x, y) of a width × height area whose corner pixels take the four colours,
// every channel interpolated between the four corners and rounded to the nearest.
COLORREF GradientColourAt(const CornerColours& corners, int width, int height, int x, int y) noexcept;

// Fills `area` of the DC with the gradient.
void FillGradient(HDC dc, const RECT& area, const CornerColours& corners) noexcept;

}  // namespace quorvane
