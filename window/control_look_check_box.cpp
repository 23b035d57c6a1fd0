#include "window/control_look_check_box.h"

#include "window/control_look_gradient.h"
#include "window/control_look_schemes.h"
#include "window/gdi_handles.h"

namespace quorvane {

namespace {

constexpr int kGap = 4;  // between the box and the caption

RECT Inset(const RECT& area, int by) noexcept {
  return {area.left + by, area.top + by, area.right - by, area.bottom - by};
}

// The box of a check box: framed like a small push button, with its face's band and inner
// gradients; the mark shows the check state instead of the face colours.
void PaintSquare(HDC dc, const RECT& box, const ControlState& state, const ColourScheme& colours,
                 COLORREF border) noexcept {
  ScopedBrush border_brush(CreateSolidBrush(border));
  FrameRect(dc, &box, border_brush.Get());
  ControlState unmarked = state;
  unmarked.checked = false;
  unmarked.indeterminate = false;
  const FaceRow row = FaceRowOf(unmarked);
  const RECT face = Inset(box, 1);
  if (row == FaceRow::kDisabled) {
    ScopedBrush plain(CreateSolidBrush(kDisabledFace));
    FillRect(dc, &face, plain.Get());
    return;
  }
  const FaceColours& fill = FaceColoursOf(colours, row);
  FillGradient(dc, face, CornersOf(fill.band));
  FillGradient(dc, Inset(face, 2), CornersOf(fill.inner));
}

void PaintCircle(HDC dc, const RECT& box, const ControlState& state, const ColourScheme& colours,
                 COLORREF border) noexcept {
  ControlState unmarked = state;
  unmarked.checked = false;
  unmarked.indeterminate = false;
  const FaceRow row = FaceRowOf(unmarked);
  const COLORREF face = row == FaceRow::kDisabled ? kDisabledFace : FaceColoursOf(colours, row).inner.bottom;
  ScopedPen pen(CreatePen(PS_SOLID, 1, border));
  ScopedBrush brush(CreateSolidBrush(face));
  ScopedSelection selected_pen(dc, pen.Get());
  ScopedSelection selected_brush(dc, brush.Get());
  Ellipse(dc, box.left, box.top, box.right, box.bottom);
}

void PaintTick(HDC dc, const RECT& box, COLORREF colour) noexcept {
  ScopedPen pen(CreatePen(PS_SOLID, 1, colour));
  ScopedSelection selected(dc, pen.Get());
  // Two strokes one pixel apart make the tick two pixels thick.
  for (int thickness = 0; thickness < 2; ++thickness) {
    MoveToEx(dc, box.left + 3, box.top + 5 + thickness, nullptr);
    LineTo(dc, box.left + 5, box.top + 7 + thickness);
    LineTo(dc, box.left + 10, box.top + 2 + thickness);
  }
}

void PaintDot(HDC dc, const RECT& box, COLORREF colour) noexcept {
  ScopedPen pen(CreatePen(PS_SOLID, 1, colour));
  ScopedBrush brush(CreateSolidBrush(colour));
  ScopedSelection selected_pen(dc, pen.Get());
  ScopedSelection selected_brush(dc, brush.Get());
  const RECT dot = Inset(box, 4);
  Ellipse(dc, dot.left, dot.top, dot.right, dot.bottom);
}

void PaintMark(HDC dc, const RECT& box, const ControlState& state, CheckMark shape) noexcept {
  if (state.indeterminate) {
    ScopedBrush grey(CreateSolidBrush(kGreyedText));
    const RECT block = Inset(box, 4);
    FillRect(dc, &block, grey.Get());
  } else if (state.checked) {
    const COLORREF colour = CaptionColour(state);
    if (shape == CheckMark::kRound) {
      PaintDot(dc, box, colour);
    } else {
      PaintTick(dc, box, colour);
    }
  }
}

}  // namespace

RECT CheckBoxSquare(const RECT& area, DWORD style) noexcept {
  const CaptionPlacement placement = PlacementOf(style, Alignment::kNear);
  RECT box = {};
  box.left = (style & BS_LEFTTEXT) != 0 ? area.right - kCheckBoxSize : area.left;
  box.top = placement.vertical == Alignment::kNear  ? area.top
            : placement.vertical == Alignment::kFar ? area.bottom - kCheckBoxSize
                                                    : area.top + (area.bottom - area.top - kCheckBoxSize) / 2;
  box.right = box.left + kCheckBoxSize;
  box.bottom = box.top + kCheckBoxSize;
  return box;
}

void PaintCheckBox(HDC dc, const RECT& area, const ControlState& state, int scheme, const ButtonCaption& caption,
                   HBRUSH parent_brush, CheckMark shape) noexcept {
  const ColourScheme& colours = SchemeColours(scheme);
  FillRect(dc, &area, parent_brush != nullptr ? parent_brush : GetSysColorBrush(COLOR_BTNFACE));
  const RECT box = CheckBoxSquare(area, caption.style);
  const COLORREF border = state.disabled ? DisabledBorder() : colours.button_border;
  if (shape == CheckMark::kRound) {
    PaintCircle(dc, box, state, colours, border);
  } else {
    PaintSquare(dc, box, state, colours, border);
  }
  PaintMark(dc, box, state, shape);

  RECT text_area = area;
  if ((caption.style & BS_LEFTTEXT) != 0) {
    text_area.right = box.left - kGap;
  } else {
    text_area.left = box.right + kGap;
  }
  const RECT text =
      DrawCaption(dc, text_area, caption, PlacementOf(caption.style, Alignment::kNear), CaptionColour(state));
  if (state.focused && text.right > text.left) {
    ScopedSavedDc saved(dc);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    const RECT focus = {text.left - 1, text.top, text.right + 1, text.bottom};
    DrawFocusRect(dc, &focus);
  }
}

}  // namespace quorvane
