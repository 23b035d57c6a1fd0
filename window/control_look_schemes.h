// The colour schemes of the themed look: one constant table, read at every paint.
#pragma once

#include <windows.h>

#include "window/control_look_state.h"

namespace quorvane {

// A gradient from its top colours to its bottom colour. When the two top colours differ, the
// colour runs between all four corners; otherwise it runs straight down.
struct GradientColours {
  COLORREF top_left;
  COLORREF top_right;
  COLORREF bottom;
};

// A button face in one state: the band just inside the border and the area within it.
struct FaceColours {
  GradientColours band;
  GradientColours inner;
};

struct ColourScheme {
  COLORREF edit_outer_ring;
  COLORREF button_border;
  FaceColours pressed;
  FaceColours hot;
  FaceColours checked;
  FaceColours focused;
  FaceColours normal;
};

inline constexpr int kFirstScheme = 1;
inline constexpr int kLastScheme = 3;

// What every scheme shares: the plain face and the text of a disabled button, and the text
// of an indeterminate one.
inline constexpr COLORREF kDisabledFace = RGB(245, 244, 234);
inline constexpr COLORREF kGreyedText = RGB(165, 162, 148);
inline constexpr COLORREF kCaptionText = RGB(0, 0, 0);

// The colours of scheme 1, 2 or 3; any other number gets scheme 1's, so a paint that races
// a switch to an unknown number still draws something sensible.
const ColourScheme& SchemeColours(int scheme) noexcept;

// The face colours of a row; the disabled row has no gradients and gets the normal ones.
const FaceColours& FaceColoursOf(const ColourScheme& scheme, FaceRow row) noexcept;

// Each of red, green and blue lowered by `amount`, stopping at 0.
COLORREF Darkened(COLORREF colour, int amount) noexcept;

// The border of a disabled control: button face darkened by 32.
COLORREF DisabledBorder() noexcept;

}  // namespace quorvane
