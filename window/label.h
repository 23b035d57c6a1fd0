// The program's own label class: it fills its whole area with the 3-D face colour and draws
// its text in its own colour and font on a transparent background.
#pragma once

#include <windows.h>

#include "window/window_description.h"

namespace quorvane {

// Registers the label class once per process; false when the platform refuses.
bool RegisterLabelClass(HINSTANCE instance) noexcept;

// Paints a label of that look and text into `area` of the DC, drawing no further than `clip`.
void PaintLabel(HDC dc, const RECT& area, const RECT& clip, const wchar_t* text, const LabelLook& look,
                HFONT font) noexcept;

}  // namespace quorvane
