// Drawing a group box in the themed look: a frame in the scheme's border colour, broken at
// the top-left by the caption. The inside is the parent's to paint.
#pragma once

#include <windows.h>

#include "window/control_look_push_button.h"
#include "window/control_look_state.h"

namespace quorvane {

struct GroupBoxLayout {
  RECT frame;    // its top edge runs through the middle of the caption's line
  RECT caption;  // the caption with its padding, over the frame; empty without a caption
  RECT inside;   // what the group box leaves alone
};

GroupBoxLayout LayOutGroupBox(HDC dc, const RECT& area, const ButtonCaption& caption) noexcept;

// Fills the area outside `inside` with the parent's brush and draws the frame and caption.
void PaintGroupBox(HDC dc, const RECT& area, const ControlState& state, int scheme, const ButtonCaption& caption,
                   HBRUSH parent_brush) noexcept;

}  // namespace quorvane
