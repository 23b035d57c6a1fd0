// Frames the themed look draws over controls that otherwise paint themselves: edit boxes,
// combo boxes and their drop-down lists, and up-down controls.
#pragma once

#include <windows.h>

#include "window/control_look_state.h"

namespace quorvane {

// How many rings of pixels, from the outside of a control, its frame covers.
inline constexpr int kEditFrameWidth = 2;
inline constexpr int kListFrameWidth = 1;

// The two outermost rings of `area`: the scheme's outer-ring colour, then the window
// background; disabled, button face darkened by 32 then button face; read-only, the inner
// ring in button face. Focus and hover change nothing.
void PaintEditFrame(HDC dc, const RECT& area, const ControlState& state, int scheme) noexcept;

// The outermost ring of a drop-down list, in the scheme's outer-ring colour.
void PaintListFrame(HDC dc, const RECT& area, int scheme) noexcept;

// The two arrow halves of an up-down control, each framed in the scheme's button border
// (disabled: button face darkened by 32).
void PaintUpDownFrames(HDC dc, const RECT& area, const ControlState& state, int scheme, bool side_by_side) noexcept;

}  // namespace quorvane
