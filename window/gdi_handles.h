// Owners for GDI objects, selections and device contexts: each gives back what it holds
// when it goes out of scope, so no paint path can leak a handle.
#pragma once

#include <windows.h>

namespace quorvane {

template <typename Handle>
class ScopedGdiObject {
 public:
  ScopedGdiObject() noexcept = default;
  explicit ScopedGdiObject(Handle handle) noexcept : handle_(handle) {}
  ScopedGdiObject(ScopedGdiObject&& other) noexcept : handle_(other.Release()) {}
  ScopedGdiObject& operator=(ScopedGdiObject&& other) noexcept {
    Reset(other.Release());
    return *this;
  }
  ScopedGdiObject(const ScopedGdiObject&) = delete;
  ScopedGdiObject& operator=(const ScopedGdiObject&) = delete;
  ~ScopedGdiObject() { Reset(nullptr); }

  Handle Get() const noexcept { return handle_; }
  Handle Release() noexcept {
    Handle handle = handle_;
    handle_ = nullptr;
    return handle;
  }
  void Reset(Handle handle) noexcept {
    if (handle_ != nullptr) {
      DeleteObject(handle_);
    }
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

using ScopedFont = ScopedGdiObject<HFONT>;
using ScopedBrush = ScopedGdiObject<HBRUSH>;
using ScopedBitmap = ScopedGdiObject<HBITMAP>;
using ScopedPen = ScopedGdiObject<HPEN>;

// Selects an object into a DC and puts the previous one back.
class ScopedSelection {
 public:
  ScopedSelection(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(SelectObject(dc, object)) {}
  ScopedSelection(const ScopedSelection&) = delete;
  ScopedSelection& operator=(const ScopedSelection&) = delete;
  ~ScopedSelection() { SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A DC saved on entry and restored on exit, for clipping and mode changes.
class ScopedSavedDc {
 public:
  explicit ScopedSavedDc(HDC dc) noexcept : dc_(dc), saved_(SaveDC(dc)) {}
  ScopedSavedDc(const ScopedSavedDc&) = delete;
  ScopedSavedDc& operator=(const ScopedSavedDc&) = delete;
  ~ScopedSavedDc() { RestoreDC(dc_, saved_); }

 private:
  HDC dc_;
  int saved_;
};

class ScopedPaint {
 public:
  explicit ScopedPaint(HWND window) noexcept : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ScopedPaint(const ScopedPaint&) = delete;
  ScopedPaint& operator=(const ScopedPaint&) = delete;
  ~ScopedPaint() { EndPaint(window_, &paint_); }

  HDC Dc() const noexcept { return dc_; }
  const RECT& Dirty() const noexcept { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_ = {};
  HDC dc_;
};

// The DC of a whole window, frame included.
class ScopedWindowDc {
 public:
  explicit ScopedWindowDc(HWND window) noexcept : window_(window), dc_(GetWindowDC(window)) {}
  ScopedWindowDc(const ScopedWindowDc&) = delete;
  ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;
  ~ScopedWindowDc() { ReleaseDC(window_, dc_); }

  HDC Dc() const noexcept { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A memory DC compatible with another DC (or the screen, for null), deleted when it goes.
class ScopedMemoryDc {
 public:
  explicit ScopedMemoryDc(HDC compatible_with) noexcept : dc_(CreateCompatibleDC(compatible_with)) {}
  ScopedMemoryDc(const ScopedMemoryDc&) = delete;
  ScopedMemoryDc& operator=(const ScopedMemoryDc&) = delete;
  ~ScopedMemoryDc() {
    if (dc_ != nullptr) {
      DeleteDC(dc_);
    }
  }

  HDC Dc() const noexcept { return dc_; }

 private:
  HDC dc_;
};

// A DC of a window's client area.
class ScopedClientDc {
 public:
  explicit ScopedClientDc(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
  ScopedClientDc(const ScopedClientDc&) = delete;
  ScopedClientDc& operator=(const ScopedClientDc&) = delete;
  ~ScopedClientDc() { ReleaseDC(window_, dc_); }

  HDC Dc() const noexcept { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

}  // namespace quorvane
