#include "window/control_look_group_box.h"

#include <algorithm>

#include "window/control_look_schemes.h"
#include "window/gdi_handles.h"

namespace quorvane {

namespace {

constexpr int kCaptionIndent = 8;
constexpr int kCaptionPadding = 2;

HGDIOBJ FontOrSystem(HFONT font) noexcept {
  return font != nullptr ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT);
}

}  // namespace

GroupBoxLayout LayOutGroupBox(HDC dc, const RECT& area, const ButtonCaption& caption) noexcept {
  ScopedSelection font(dc, FontOrSystem(caption.font));
  TEXTMETRICW metrics = {};
  GetTextMetricsW(dc, &metrics);
  GroupBoxLayout layout = {};
  layout.frame = {area.left, area.top + metrics.tmHeight / 2, area.right, area.bottom};
  layout.caption = {area.left + kCaptionIndent, area.top, area.left + kCaptionIndent, area.top + metrics.tmHeight};
  if (caption.text != nullptr && caption.text[0] != L'\0') {
    const int length = static_cast<int>(CaptionLengthWithin(caption.text, wcslen(caption.text), kCaptionByteLimit));
    RECT measured = area;
    DrawTextW(dc, caption.text, length, &measured, DT_SINGLELINE | DT_CALCRECT);
    layout.caption.right =
        std::min(layout.caption.left + (measured.right - measured.left) + 2 * kCaptionPadding, area.right - 1);
  }
  layout.inside = {layout.frame.left + 1, std::max(layout.frame.top + 1, layout.caption.bottom), layout.frame.right - 1,
                   layout.frame.bottom - 1};
  return layout;
}

void PaintGroupBox(HDC dc, const RECT& area, const ControlState& state, int scheme, const ButtonCaption& caption,
                   HBRUSH parent_brush) noexcept {
  const GroupBoxLayout layout = LayOutGroupBox(dc, area, caption);
  const HBRUSH outside = parent_brush != nullptr ? parent_brush : GetSysColorBrush(COLOR_BTNFACE);
  {
    ScopedSavedDc saved(dc);
    ExcludeClipRect(dc, layout.inside.left, layout.inside.top, layout.inside.right, layout.inside.bottom);
    FillRect(dc, &area, outside);
  }
  ScopedBrush border(CreateSolidBrush(state.disabled ? DisabledBorder() : SchemeColours(scheme).button_border));
  FrameRect(dc, &layout.frame, border.Get());
  if (layout.caption.right > layout.caption.left) {
    FillRect(dc, &layout.caption, outside);
    const RECT text = {layout.caption.left + kCaptionPadding, layout.caption.top, layout.caption.right,
                       layout.caption.bottom};
    DrawCaption(dc, text, caption, {Alignment::kNear, Alignment::kNear, false}, CaptionColour(state));
  }
}

}  // namespace quorvane
