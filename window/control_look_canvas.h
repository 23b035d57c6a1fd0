// A picture composed away from the screen: a 32-bit top-down DIB section in a memory DC,
// shown on a window's DC with one BitBlt, so no paint shows a half-drawn state.
#pragma once

#include <windows.h>

#include <optional>

#include "window/gdi_handles.h"

namespace quorvane {

class OffscreenCanvas {
 public:
  // Invalid (nothing to draw on) when the platform has no room for it or the size is empty.
  OffscreenCanvas(HDC compatible_with, int width, int height) noexcept;
  OffscreenCanvas(const OffscreenCanvas&) = delete;
  OffscreenCanvas& operator=(const OffscreenCanvas&) = delete;
  ~OffscreenCanvas();

  // The live canvas whose DC this is, or null: drawing routines given only a DC can then
  // write its pixels directly. Canvases live on the UI thread's stack, innermost last.
  static OffscreenCanvas* Owning(HDC dc) noexcept;

  bool Valid() const noexcept { return pixels_ != nullptr; }
  HDC Dc() const noexcept { return dc_.Dc(); }
  int Width() const noexcept { return width_; }
  int Height() const noexcept { return height_; }

  // One pixel per DWORD, 0x00RRGGBB, rows from the top; GDI drawing is flushed first.
  DWORD* Pixels() noexcept;

  // Copies the whole picture to `target` with its top-left corner at (left, top).
  void ShowOn(HDC target, int left, int top) const noexcept;

 private:
  int width_;
  int height_;
  ScopedMemoryDc dc_;
  DWORD* pixels_ = nullptr;
  ScopedBitmap bitmap_;
  std::optional<ScopedSelection> selection_;  // the bitmap, while the canvas lives
  OffscreenCanvas* enclosing_;                // the canvas made before this one and still alive
};

// 0x00RRGGBB as a DIB section stores it, and back.
constexpr DWORD DibPixel(COLORREF colour) noexcept {
  return static_cast<DWORD>(GetRValue(colour)) << 16 | static_cast<DWORD>(GetGValue(colour)) << 8 |
         static_cast<DWORD>(GetBValue(colour));
}

constexpr COLORREF ColourOfDibPixel(DWORD pixel) noexcept {
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

}  // namespace quorvane
