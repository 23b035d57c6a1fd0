#include "window_test_support.h"

#include <vector>

namespace quorvane::testing_support {

void PumpMessages(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  do {
    MSG message = {};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));
        return;
      }
      HandleMessage(message);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  } while (GetTickCount() - start < milliseconds);
}

void PressKey(WORD virtual_key, bool shift) {
  std::vector<INPUT> inputs;
  const auto key = [&inputs](WORD code, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = code;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  };
  if (shift) {
    key(VK_SHIFT, false);
  }
  key(virtual_key, false);
  key(virtual_key, true);
  if (shift) {
    key(VK_SHIFT, true);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  PumpMessages(100);
}

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

RECT PlaceOf(HWND control) {
  RECT place = {};
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

void DiscardQuitMessage() {
  MSG message = {};
  while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

HWND Control(std::uint32_t id) { return FindControl(kMainWindowId, id); }

void MainWindowTest::SetUp() {
  DiscardQuitMessage();
  ASSERT_EQ(BuildWindow(kMainWindowId), 1);
  window_ = FindOpenWindow(kMainWindowId);
  ASSERT_NE(window_, nullptr);
  SetForegroundWindow(window_);
  PumpMessages(100);
}

void MainWindowTest::TearDown() {
  if (IsWindow(window_)) {
    DestroyWindow(window_);
  }
  PumpMessages(20);
  DiscardQuitMessage();
}

}  // namespace quorvane::testing_support
