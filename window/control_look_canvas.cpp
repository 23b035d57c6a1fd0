#include "window/control_look_canvas.h"

namespace quorvane {

namespace {

HBITMAP CreateTopDownDib(HDC dc, int width, int height, DWORD*& pixels) noexcept {
  pixels = nullptr;
  if (dc == nullptr || width <= 0 || height <= 0) {
    return nullptr;
  }
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  pixels = bitmap != nullptr ? static_cast<DWORD*>(bits) : nullptr;
  return bitmap;
}

// The live canvases, innermost first; touched from the UI thread only.
OffscreenCanvas* innermost_canvas = nullptr;

}  // namespace

OffscreenCanvas::OffscreenCanvas(HDC compatible_with, int width, int height) noexcept
    : width_(width), height_(height), dc_(compatible_with), enclosing_(innermost_canvas) {
  bitmap_.Reset(CreateTopDownDib(dc_.Dc(), width, height, pixels_));
  if (bitmap_.Get() != nullptr) {
    selection_.emplace(dc_.Dc(), bitmap_.Get());
  }
  innermost_canvas = this;
}

OffscreenCanvas::~OffscreenCanvas() { innermost_canvas = enclosing_; }

OffscreenCanvas* OffscreenCanvas::Owning(HDC dc) noexcept {
  for (OffscreenCanvas* canvas = innermost_canvas; canvas != nullptr; canvas = canvas->enclosing_) {
    if (canvas->Valid() && canvas->Dc() == dc) {
      return canvas;
    }
  }
  return nullptr;
}

DWORD* OffscreenCanvas::Pixels() noexcept {
  GdiFlush();
  return pixels_;
}

void OffscreenCanvas::ShowOn(HDC target, int left, int top) const noexcept {
  if (Valid()) {
    BitBlt(target, left, top, width_, height_, dc_.Dc(), 0, 0, SRCCOPY);
  }
}

}  // namespace quorvane
