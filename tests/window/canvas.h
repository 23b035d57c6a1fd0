// A memory bitmap for tests that render a paint routine and read back its pixels.
#pragma once

#include <windows.h>

#include <optional>

#include "window/gdi_handles.h"

namespace quorvane::testing_support {

// A 32-bit top-down bitmap selected into a memory DC, for reading back what a paint drew.
// It starts black.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height), dc_(nullptr) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(dc_.Dc(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    pixels_ = static_cast<const DWORD*>(bits);
    selection_.emplace(dc_.Dc(), bitmap_.Get());
    const RECT all = {0, 0, width, height};
    FillRect(dc_.Dc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  HDC Dc() const { return dc_.Dc(); }
  COLORREF At(int x, int y) const {
    GdiFlush();
    const DWORD pixel = pixels_[y * width_ + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
  }
  // Pixels of that colour within a rectangle.
  int Count(COLORREF colour, const RECT& area) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) {
        count += At(x, y) == colour ? 1 : 0;
      }
    }
    return count;
  }
  // Pixels that differ from a colour, and how many of them lean towards red (text drawn in
  // red and smoothed against a grey face stays red-dominant).
  struct Ink {
    int pixels = 0;
    int red_dominant = 0;
    int strong_red = 0;
  };
  Ink InkOn(COLORREF background, const RECT& area) const {
    Ink ink;
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) {
        const COLORREF c = At(x, y);
        if (c == background) {
          continue;
        }
        ++ink.pixels;
        ink.red_dominant += GetRValue(c) >= GetGValue(c) && GetRValue(c) >= GetBValue(c) ? 1 : 0;
        ink.strong_red += GetRValue(c) > 200 && GetGValue(c) < 100 && GetBValue(c) < 100 ? 1 : 0;
      }
    }
    return ink;
  }
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  int width_;
  int height_;
  ScopedMemoryDc dc_;
  ScopedBitmap bitmap_;
  const DWORD* pixels_ = nullptr;
  std::optional<ScopedSelection> selection_;
};

}  // namespace quorvane::testing_support
