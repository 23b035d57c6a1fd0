// The least a program of this kind can be: one window with two edit boxes and a button, whose
// click writes two fixed texts. The benchmark compares Quorvane's start-up, memory, size and
// click against it, built with the same toolchain and flags.
#include <windows.h>

namespace {

constexpr int kLeftBox = 101;
constexpr int kRightBox = 102;
constexpr int kButton = 103;

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wparam) == kButton && HIWORD(wparam) == BN_CLICKED) {
        SetDlgItemTextW(window, kLeftBox, L"-3.75");
        SetDlgItemTextW(window, kRightBox, L"-3.75");
        return 0;
      }
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

HWND Child(HWND parent, const wchar_t* kind, DWORD style, DWORD ex_style, int id, int x, int y,
           int width, int height) {
  return CreateWindowExW(ex_style, kind, L"", WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = WindowProcedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = L"QuorvaneMinimalWindow";
  if (!RegisterClassW(&window_class)) return 1;

  HWND window = CreateWindowExW(0, window_class.lpszClassName, L"Minimal",
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                CW_USEDEFAULT, CW_USEDEFAULT, 380, 186, nullptr, nullptr, instance,
                                nullptr);
  if (!window) return 1;
  Child(window, L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, kLeftBox, 20, 20, 120, 24);
  Child(window, L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, kRightBox, 200, 20, 120,
        24);
  Child(window, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, kButton, 140, 80, 90, 28);
  ShowWindow(window, show);
  UpdateWindow(window);

  MSG message;
  BOOL got;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) != 0) {
    if (got == -1) return 1;
    // Esc anywhere in the window ends the program, as in Quorvane.
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
      DestroyWindow(window);
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
