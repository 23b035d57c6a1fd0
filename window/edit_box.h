// Text placement in the edit boxes: the text area is narrowed to one line in the vertical
// middle of the box, and the strips above and below it take the box's background colour.
#pragma once

#include <windows.h>

namespace quorvane {

// Takes over the box's frame computation and painting, and recomputes the frame now.
// Undone by itself when the box is destroyed.
bool PlaceEditTextInTheMiddle(HWND edit_box) noexcept;

// The text area for a box whose platform text area is `area`, with lines `line_height` high.
RECT CentredLine(const RECT& area, int line_height) noexcept;

}  // namespace quorvane
