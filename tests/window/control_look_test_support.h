// What the themed-look tests share: comparing colours with readable failures that point at
// the calling line, and a font whose text pixels are exactly the text colour.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "window/gdi_handles.h"

namespace quorvane::testing_support {

inline std::string ColourText(COLORREF colour) {
  std::ostringstream text;
  text << "RGB(" << int{GetRValue(colour)} << "," << int{GetGValue(colour)} << "," << int{GetBValue(colour)} << ")";
  return text.str();
}

// Fails at the caller's file and line, naming the pixel and both colours.
inline void ExpectColourAt(COLORREF actual, COLORREF expected, int x, int y, const char* what, const char* file,
                           int line) {
  if (actual != expected) {
    ADD_FAILURE_AT(file, line) << what << " at (" << x << "," << y << "): " << ColourText(actual) << ", expected "
                               << ColourText(expected);
  }
}

#define EXPECT_PIXEL(canvas, x, y, expected, what) \
  ::quorvane::testing_support::ExpectColourAt((canvas).At((x), (y)), (expected), (x), (y), (what), __FILE__, __LINE__)

// A plain font without smoothing: every text pixel is the text colour.
inline ScopedFont SharpFont(int height = -12) {
  return ScopedFont(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Tahoma"));
}

inline COLORREF Face() { return GetSysColor(COLOR_BTNFACE); }

// A pixel of a window as the screen shows it, from the window's top-left corner.
inline COLORREF ScreenPixel(HWND window, int x, int y) {
  ScopedWindowDc dc(window);
  return GetPixel(dc.Dc(), x, y);
}

#define EXPECT_SCREEN_PIXEL(window, x, y, expected, what)                                                   \
  ::quorvane::testing_support::ExpectColourAt(::quorvane::testing_support::ScreenPixel((window), (x), (y)), \
                                              (expected), (x), (y), (what), __FILE__, __LINE__)

// Real mouse input through the platform's input queue.
inline void SendMouse(DWORD flags, int screen_x = 0, int screen_y = 0) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  if ((flags & MOUSEEVENTF_ABSOLUTE) != 0) {
    // Normalised to 0..65535 across the screen, rounded up so that it maps back to the pixel.
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = (screen_x * 65536 + width - 1) / width;
    input.mi.dy = (screen_y * 65536 + height - 1) / height;
  }
  SendInput(1, &input, sizeof input);
}

inline void MoveMouseTo(int screen_x, int screen_y) {
  SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen_x, screen_y);
}

// A point of a window, `x` and `y` from its top-left corner, on the screen.
inline POINT OnScreen(HWND window, int x, int y) {
  RECT place = {};
  GetWindowRect(window, &place);
  return {place.left + x, place.top + y};
}

}  // namespace quorvane::testing_support
