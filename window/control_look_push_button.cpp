#include "window/control_look_push_button.h"

#include <initializer_list>

#include "window/control_look_gradient.h"
#include "window/control_look_schemes.h"
#include "window/gdi_handles.h"

namespace quorvane {

namespace {

RECT Inset(const RECT& area, int by) noexcept {
  return {area.left + by, area.top + by, area.right - by, area.bottom - by};
}

bool HasArea(const RECT& area) noexcept { return area.right > area.left && area.bottom > area.top; }

void Fill(HDC dc, const RECT& area, COLORREF colour) noexcept {
  if (HasArea(area)) {
    ScopedBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &area, brush.Get());
  }
}

void Ring(HDC dc, const RECT& area, COLORREF colour) noexcept {
  if (HasArea(area)) {
    ScopedBrush brush(CreateSolidBrush(colour));
    FrameRect(dc, &area, brush.Get());
  }
}

// Each corner pixel of the border takes the face ring's colour and the face pixel diagonally
// inside it takes the border's, which reads as a corner rounded by one pixel.
void RoundCorners(HDC dc, const RECT& border, COLORREF outside, COLORREF border_colour) noexcept {
  if (border.right - border.left < 4 || border.bottom - border.top < 4) {
    return;
  }
  const int left = border.left;
  const int top = border.top;
  const int right = border.right - 1;
  const int bottom = border.bottom - 1;
  for (const POINT& corner : {POINT{left, top}, POINT{right, top}, POINT{left, bottom}, POINT{right, bottom}}) {
    SetPixelV(dc, corner.x, corner.y, outside);
  }
  for (const POINT& inside : {POINT{left + 1, top + 1}, POINT{right - 1, top + 1}, POINT{left + 1, bottom - 1},
                              POINT{right - 1, bottom - 1}}) {
    SetPixelV(dc, inside.x, inside.y, border_colour);
  }
}

// The rectangles of the button's layers, from the outside in.
struct PushButtonLayers {
  RECT face_ring;  // button face
  RECT border;
  RECT face;   // the band gradient; the band shows in its outer two pixels
  RECT inner;  // the inner gradient
  RECT focus;  // the dotted focus rectangle
  RECT text;
};

PushButtonLayers LayersOf(const RECT& area) noexcept {
  return {Inset(area, 1), Inset(area, 2), Inset(area, 3), Inset(area, 5), Inset(area, 6), Inset(area, 7)};
}

Alignment AlignmentOf(DWORD bits, DWORD near_bit, DWORD far_bit, Alignment fallback) noexcept {
  if (bits == near_bit) {
    return Alignment::kNear;
  }
  if (bits == far_bit) {
    return Alignment::kFar;
  }
  if (bits == (near_bit | far_bit)) {
    return Alignment::kCentre;
  }
  return fallback;
}

}  // namespace

std::size_t CaptionLengthWithin(const wchar_t* text, std::size_t length, std::size_t byte_limit) noexcept {
  std::size_t kept = 0;
  std::size_t bytes = 0;
  while (kept < length) {
    const bool pair = IS_HIGH_SURROGATE(text[kept]) && kept + 1 < length && IS_LOW_SURROGATE(text[kept + 1]);
    const int units = pair ? 2 : 1;
    const int size = WideCharToMultiByte(CP_ACP, 0, text + kept, units, nullptr, 0, nullptr, nullptr);
    const std::size_t needed = size > 0 ? static_cast<std::size_t>(size) : 1;
    if (bytes + needed > byte_limit) {
      break;
    }
    bytes += needed;
    kept += static_cast<std::size_t>(units);
  }
  return kept;
}

CaptionPlacement PlacementOf(DWORD style, Alignment default_horizontal) noexcept {
  return {AlignmentOf(style & BS_CENTER, BS_LEFT, BS_RIGHT, default_horizontal),
          AlignmentOf(style & BS_VCENTER, BS_TOP, BS_BOTTOM, Alignment::kCentre), (style & BS_MULTILINE) != 0};
}

RECT DrawCaption(HDC dc, const RECT& area, const ButtonCaption& caption, const CaptionPlacement& placement,
                 COLORREF colour) noexcept {
  if (caption.text == nullptr || caption.text[0] == L'\0' || !HasArea(area)) {
    return {area.left, area.top, area.left, area.top};
  }
  const int length = static_cast<int>(CaptionLengthWithin(caption.text, wcslen(caption.text), kCaptionByteLimit));
  ScopedSavedDc saved(dc);
  ScopedSelection font(dc, caption.font != nullptr ? static_cast<HGDIOBJ>(caption.font) : GetStockObject(SYSTEM_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  UINT format = placement.multiline ? DT_WORDBREAK : DT_SINGLELINE;
  format |= placement.horizontal == Alignment::kNear  ? DT_LEFT
            : placement.horizontal == Alignment::kFar ? DT_RIGHT
                                                      : DT_CENTER;
  // Vertical placement is worked out here: DrawText only centres single lines.
  RECT measured = area;
  DrawTextW(dc, caption.text, length, &measured, format | DT_CALCRECT);
  const int height = measured.bottom - measured.top;
  RECT placed = area;
  if (placement.vertical == Alignment::kCentre) {
    placed.top = area.top + (area.bottom - area.top - height) / 2;
  } else if (placement.vertical == Alignment::kFar) {
    placed.top = area.bottom - height;
  }
  placed.bottom = placed.top + height;
  DrawTextW(dc, caption.text, length, &placed, format);
  const int width = measured.right - measured.left;
  const int left = placement.horizontal == Alignment::kNear  ? area.left
                   : placement.horizontal == Alignment::kFar ? area.right - width
                                                             : area.left + (area.right - area.left - width) / 2;
  return {left, placed.top, left + width, placed.bottom};
}

COLORREF CaptionColour(const ControlState& state) noexcept {
  return state.disabled || state.indeterminate ? kGreyedText : kCaptionText;
}

void PaintPushButton(HDC dc, const RECT& area, const ControlState& state, int scheme, const ButtonCaption& caption,
                     HBRUSH parent_brush) noexcept {
  const ColourScheme& colours = SchemeColours(scheme);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const PushButtonLayers layers = LayersOf(area);
  FillRect(dc, &area, parent_brush != nullptr ? parent_brush : GetSysColorBrush(COLOR_BTNFACE));
  Ring(dc, layers.face_ring, face);
  const COLORREF border = state.disabled ? DisabledBorder() : colours.button_border;
  Ring(dc, layers.border, border);
  const FaceRow row = FaceRowOf(state);
  if (row == FaceRow::kDisabled) {
    Fill(dc, layers.face, kDisabledFace);
  } else {
    const FaceColours& fill = FaceColoursOf(colours, row);
    if (HasArea(layers.face)) {
      FillGradient(dc, layers.face, CornersOf(fill.band));
    }
    if (HasArea(layers.inner)) {
      FillGradient(dc, layers.inner, CornersOf(fill.inner));
    }
  }
  RoundCorners(dc, layers.border, face, border);
  if (state.focused && HasArea(layers.focus)) {
    ScopedSavedDc saved(dc);
    // DrawFocusRect inverts through the text colours: make them the usual black and white.
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &layers.focus);
  }
  RECT text_area = layers.text;
  if (state.pressed) {
    OffsetRect(&text_area, 1, 1);
  }
  DrawCaption(dc, text_area, caption, PlacementOf(caption.style, Alignment::kCentre), CaptionColour(state));
}

}  // namespace quorvane
