// Drawing a push button in the themed look, and the caption rules every button kind shares.
#pragma once

#include <windows.h>

#include <cstddef>

#include "window/control_look_state.h"

namespace quorvane {

// What a button shows besides its state: its caption, as the button's style places it, in
// its font.
struct ButtonCaption {
  const wchar_t* text;
  DWORD style;
  HFONT font;
};

// Captions are drawn up to this many bytes of the system code page.
inline constexpr std::size_t kCaptionByteLimit = 255;

// How many of the first `length` characters of `text` fit in `byte_limit` bytes of the system
// code page, never splitting a surrogate pair.
std::size_t CaptionLengthWithin(const wchar_t* text, std::size_t length, std::size_t byte_limit) noexcept;

// Where a caption goes inside `area`: its alignment styles, or the defaults a button kind has
// for those it leaves out.
enum class Alignment { kNear, kCentre, kFar };
struct CaptionPlacement {
  Alignment horizontal;
  Alignment vertical;
  bool multiline;
};
CaptionPlacement PlacementOf(DWORD style, Alignment default_horizontal) noexcept;

// Draws at most kCaptionByteLimit bytes of the caption in `colour`, placed in `area`; returns
// the rectangle the text takes (empty for no text).
RECT DrawCaption(HDC dc, const RECT& area, const ButtonCaption& caption, const CaptionPlacement& placement,
                 COLORREF colour) noexcept;

// Black, or greyed when the button is disabled or indeterminate.
COLORREF CaptionColour(const ControlState& state) noexcept;

// The whole button, from the outside in: the parent's brush, a ring of button face, the
// border, the face's band and inner gradients, rounded corners, the focus rectangle and the
// caption (moved one pixel right and down while pressed).
void PaintPushButton(HDC dc, const RECT& area, const ControlState& state, int scheme, const ButtonCaption& caption,
                     HBRUSH parent_brush) noexcept;

}  // namespace quorvane
