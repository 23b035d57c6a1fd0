// Drawing check boxes and radio buttons in the themed look: a small framed box (round for a
// radio button) filled like a push button's face, its mark, and the caption beside it.
#pragma once

#include <windows.h>

#include "window/control_look_push_button.h"
#include "window/control_look_state.h"

namespace quorvane {

// The side of the square that holds the mark.
inline constexpr int kCheckBoxSize = 13;

enum class CheckMark { kSquare, kRound };

// The square (or circle) of the box, placed as the button's style asks: on the left unless
// the text goes on the left, vertically as the caption is placed.
RECT CheckBoxSquare(const RECT& area, DWORD style) noexcept;

// Fills `area` with the parent's brush, then the box with its border, face and mark, then
// the caption and, when focused, a dotted rectangle round the caption.
void PaintCheckBox(HDC dc, const RECT& area, const ControlState& state, int scheme, const ButtonCaption& caption,
                   HBRUSH parent_brush, CheckMark shape) noexcept;

}  // namespace quorvane
