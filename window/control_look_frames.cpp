#include "window/control_look_frames.h"

#include "window/control_look_schemes.h"
#include "window/gdi_handles.h"

namespace quorvane {

namespace {

void Ring(HDC dc, const RECT& area, COLORREF colour) noexcept {
  if (area.right > area.left && area.bottom > area.top) {
    ScopedBrush brush(CreateSolidBrush(colour));
    FrameRect(dc, &area, brush.Get());
  }
}

}  // namespace

void PaintEditFrame(HDC dc, const RECT& area, const ControlState& state, int scheme) noexcept {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const COLORREF outer = state.disabled ? DisabledBorder() : SchemeColours(scheme).edit_outer_ring;
  const COLORREF inner = state.disabled || state.read_only ? face : GetSysColor(COLOR_WINDOW);
  Ring(dc, area, outer);
  const RECT inside = {area.left + 1, area.top + 1, area.right - 1, area.bottom - 1};
  Ring(dc, inside, inner);
}

void PaintListFrame(HDC dc, const RECT& area, int scheme) noexcept {
  Ring(dc, area, SchemeColours(scheme).edit_outer_ring);
}

void PaintUpDownFrames(HDC dc, const RECT& area, const ControlState& state, int scheme, bool side_by_side) noexcept {
  const COLORREF border = state.disabled ? DisabledBorder() : SchemeColours(scheme).button_border;
  RECT first = area;
  RECT second = area;
  if (side_by_side) {
    first.right = area.left + (area.right - area.left) / 2;
    second.left = first.right;
  } else {
    first.bottom = area.top + (area.bottom - area.top) / 2;
    second.top = first.bottom;
  }
  Ring(dc, first, border);
  Ring(dc, second, border);
}

}  // namespace quorvane
