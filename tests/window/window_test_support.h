// What the window tests share: pumping messages the way the event loop does, building and
// tearing down the main window, and real keyboard input.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "window/build_window.h"
#include "window/window_description.h"

namespace quorvane::testing_support {

// Handles every message that arrives within `milliseconds`, through the window's key handling
// first, as the event loop does. Wine delivers some messages a little later than asked.
void PumpMessages(DWORD milliseconds = 50);

// Pumps until the condition holds or the time is up; returns whether it held.
template <typename Condition>
bool PumpUntil(Condition condition, DWORD milliseconds = 2000) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > milliseconds) {
      return false;
    }
    PumpMessages(10);
  }
  return true;
}

// Presses and releases keys through the platform's input queue; `shift` holds Shift down.
void PressKey(WORD virtual_key, bool shift = false);

// A control's window text as UTF-16.
std::wstring TextOf(HWND window);

std::wstring ClassOf(HWND window);

// The control's rectangle relative to its parent's client area.
RECT PlaceOf(HWND control);

// Discards a quit message left by a closed window, so the next test starts clean.
void DiscardQuitMessage();

HWND Control(std::uint32_t id);

// Builds the main window for each test and closes it afterwards.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  HWND window_ = nullptr;
};

}  // namespace quorvane::testing_support
