#include "window/control_look_gradient.h"

#include <cstddef>
#include <cstdint>
#include <optional>

#include "window/control_look_canvas.h"

namespace quorvane {

namespace {

// Rounds numerator / denominator to the nearest integer, halves away from zero; the
// denominator is positive.
std::int64_t RoundedQuotient(std::int64_t numerator, std::int64_t denominator) noexcept {
  return numerator >= 0 ? (numerator + denominator / 2) / denominator : -((-numerator + denominator / 2) / denominator);
}

// One channel of the gradient, interpolated first along the top and bottom edges and then
// down the column, without rounding in between: the corners come out exact.
class ChannelGradient {
 public:
  ChannelGradient(int top_left, int top_right, int bottom_left, int bottom_right, std::int64_t span_x) noexcept
      : top_left_(top_left),
        top_right_(top_right),
        bottom_left_(bottom_left),
        bottom_right_(bottom_right),
        span_x_(span_x) {}

  BYTE At(std::int64_t x, std::int64_t y, std::int64_t span_y) const noexcept {
    const std::int64_t top = top_left_ * (span_x_ - x) + top_right_ * x;
    const std::int64_t bottom = bottom_left_ * (span_x_ - x) + bottom_right_ * x;
    return static_cast<BYTE>(RoundedQuotient(top * (span_y - y) + bottom * y, span_x_ * span_y));
  }

 private:
  std::int64_t top_left_;
  std::int64_t top_right_;
  std::int64_t bottom_left_;
  std::int64_t bottom_right_;
  std::int64_t span_x_;
};

struct GradientChannels {
  ChannelGradient red;
  ChannelGradient green;
  ChannelGradient blue;
};

GradientChannels ChannelsOf(const CornerColours& c, std::int64_t span_x) noexcept {
  return {{GetRValue(c.top_left), GetRValue(c.top_right), GetRValue(c.bottom_left), GetRValue(c.bottom_right), span_x},
          {GetGValue(c.top_left), GetGValue(c.top_right), GetGValue(c.bottom_left), GetGValue(c.bottom_right), span_x},
          {GetBValue(c.top_left), GetBValue(c.top_right), GetBValue(c.bottom_left), GetBValue(c.bottom_right), span_x}};
}

// A one-pixel-wide or -high area is its left or top edge.
std::int64_t SpanOf(int size) noexcept { return size > 1 ? size - 1 : 1; }
std::int64_t PlaceIn(int size, int at) noexcept { return size > 1 ? at : 0; }

}  // namespace

COLORREF GradientColourAt(const CornerColours& corners, int width, int height, int x, int y) noexcept {
  const GradientChannels channels = ChannelsOf(corners, SpanOf(width));
  const std::int64_t at_x = PlaceIn(width, x);
  const std::int64_t at_y = PlaceIn(height, y);
  const std::int64_t span_y = SpanOf(height);
  return RGB(channels.red.At(at_x, at_y, span_y), channels.green.At(at_x, at_y, span_y),
             channels.blue.At(at_x, at_y, span_y));
}

namespace {

// Where the gradient's pixels go: rows of 32-bit pixels, `stride` DWORDs apart (negative for
// a bottom-up bitmap).
struct PixelRows {
  DWORD* first_row;
  std::ptrdiff_t stride;
};

void WriteGradient(const PixelRows& rows, int width, int height, const CornerColours& corners) noexcept {
  const GradientChannels channels = ChannelsOf(corners, SpanOf(width));
  const std::int64_t span_y = SpanOf(height);
  for (int y = 0; y < height; ++y) {
    DWORD* pixel = rows.first_row + rows.stride * y;
    const std::int64_t at_y = PlaceIn(height, y);
    for (int x = 0; x < width; ++x) {
      const std::int64_t at_x = PlaceIn(width, x);
      pixel[x] = DibPixel(RGB(channels.red.At(at_x, at_y, span_y), channels.green.At(at_x, at_y, span_y),
                              channels.blue.At(at_x, at_y, span_y)));
    }
  }
}

// The pixels of `area` when the DC is a live off-screen canvas with no coordinate mapping
// and no clipping inside the area, so that writing them is what a copy through the DC would
// do. Otherwise nothing.
std::optional<PixelRows> DirectPixels(HDC dc, const RECT& area) noexcept {
  OffscreenCanvas* canvas = OffscreenCanvas::Owning(dc);
  if (canvas == nullptr) {
    return std::nullopt;
  }
  POINT viewport = {};
  POINT window = {};
  GetViewportOrgEx(dc, &viewport);
  GetWindowOrgEx(dc, &window);
  RECT clip = {};
  RECT inside = {};
  const RECT bounds = {0, 0, canvas->Width(), canvas->Height()};
  if (GetMapMode(dc) != MM_TEXT || GetGraphicsMode(dc) != GM_COMPATIBLE || viewport.x != 0 || viewport.y != 0 ||
      window.x != 0 || window.y != 0 || GetClipBox(dc, &clip) != SIMPLEREGION ||
      !IntersectRect(&inside, &clip, &area) || !EqualRect(&inside, &area) || !IntersectRect(&inside, &bounds, &area) ||
      !EqualRect(&inside, &area)) {
    return std::nullopt;
  }
  const std::ptrdiff_t stride = canvas->Width();
  return PixelRows{canvas->Pixels() + stride * area.top + area.left, stride};
}

}  // namespace

void FillGradient(HDC dc, const RECT& area, const CornerColours& corners) noexcept {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) {
    return;
  }
  if (const std::optional<PixelRows> direct = DirectPixels(dc, area)) {
    WriteGradient(*direct, width, height, corners);
    return;
  }
  OffscreenCanvas canvas(dc, width, height);
  if (canvas.Valid()) {
    WriteGradient({canvas.Pixels(), width}, width, height, corners);
    canvas.ShowOn(dc, area.left, area.top);
  }
}

}  // namespace quorvane
