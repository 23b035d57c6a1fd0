#include "window/build_window.h"

#include <array>
#include <cstddef>

#include "window/edit_box.h"
#include "window/event_delivery.h"
#include "window/focus.h"
#include "window/gdi_handles.h"
#include "window/label.h"
#include "window/test_hooks.h"

namespace quorvane {

namespace {

class ScopedIcon {
 public:
  ScopedIcon() noexcept = default;
  ScopedIcon(const ScopedIcon&) = delete;
  ScopedIcon& operator=(const ScopedIcon&) = delete;
  ~ScopedIcon() { Reset(nullptr); }
  HICON Get() const noexcept { return icon_; }
  void Reset(HICON icon) noexcept {
    if (icon_ != nullptr) {
      DestroyIcon(icon_);
    }
    icon_ = icon;
  }

 private:
  HICON icon_ = nullptr;
};

// What an open window holds beyond its description: its fonts and icons, which live as
// long as it does, and the control that had the focus when it was last deactivated.
struct WindowState {
  const WindowDescription* description = nullptr;
  HWND window = nullptr;
  HWND remembered_focus = nullptr;
  bool built = false;  // a window torn down half-built ends nothing
  std::array<std::pair<const FontRecord*, ScopedFont>, 4> fonts;
  ScopedIcon large_icon;
  ScopedIcon small_icon;

  void Clear() noexcept {
    description = nullptr;
    window = nullptr;
    remembered_focus = nullptr;
    built = false;
    for (auto& font : fonts) {
      font.first = nullptr;
      font.second.Reset(nullptr);
    }
    large_icon.Reset(nullptr);
    small_icon.Reset(nullptr);
  }
};

// The program has one window; its state is kept here rather than on the heap.
WindowState main_window_state;

WindowState* StateOf(HWND window) noexcept {
  return window != nullptr && main_window_state.window == window ? &main_window_state : nullptr;
}

HFONT DefaultGuiFont() noexcept { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

HFONT FontFromRecord(WindowState& state, const FontRecord& record) noexcept {
  for (auto& [made_from, font] : state.fonts) {
    if (made_from == &record) {
      return font.Get();
    }
    if (made_from == nullptr) {
      font.Reset(CreateFontW(record.height, 0, 0, 0, record.weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L""));
      made_from = &record;
      return font.Get();
    }
  }
  return DefaultGuiFont();
}

HFONT FontOfControl(WindowState& state, const ControlDescription& control) noexcept {
  const FontRecord* record = control.kind == ControlKind::kLabel ? control.label.font : nullptr;
  return record != nullptr ? FontFromRecord(state, *record) : DefaultGuiFont();
}

LRESULT OnCommand(WPARAM wparam, LPARAM lparam) noexcept {
  const auto control = reinterpret_cast<HWND>(lparam);
  const ControlDescription* description = DescriptionOfControl(control);
  if (description != nullptr && description->kind == ControlKind::kPushButton && HIWORD(wparam) == BN_CLICKED) {
    RaiseEvent(description->events, description->event_count, EventKind::kClicked);
  }
  return 0;
}

LRESULT OnEditColours(HDC dc) noexcept {
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

LRESULT OnActivate(HWND window, WPARAM wparam, LPARAM lparam) noexcept {
  if (LOWORD(wparam) == WA_INACTIVE) {
    const HWND focus = GetFocus();
    if (WindowState* state = StateOf(window); state != nullptr && IsChild(window, focus)) {
      state->remembered_focus = focus;
    }
  }
  return DefWindowProcW(window, WM_ACTIVATE, wparam, lparam);
}

LRESULT OnSetFocus(HWND window) noexcept {
  const WindowState* state = StateOf(window);
  HWND target = state != nullptr ? state->remembered_focus : nullptr;
  if (target == nullptr || !IsWindow(target) || !IsChild(window, target)) {
    target = FirstInTabCycle(window);
  }
  if (target != nullptr) {
    SetFocus(target);
  }
  return 0;
}

// When the last built window goes, the event loop is told to end.
LRESULT OnNcDestroy(HWND window) noexcept {
  WindowState* state = StateOf(window);
  const bool was_built = state != nullptr && state->built;
  if (state != nullptr) {
    state->Clear();
  }
  if (was_built && !AnyWindowOpen()) {
    PostQuitMessage(0);
  }
  return DefWindowProcW(window, WM_NCDESTROY, 0, 0);
}

LRESULT CALLBACK MainWindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
  switch (message) {
    case WM_COMMAND: return OnCommand(wparam, lparam);
    case WM_CTLCOLOREDIT: return OnEditColours(reinterpret_cast<HDC>(wparam));
    case WM_ACTIVATE: return OnActivate(window, wparam, lparam);
    case WM_SETFOCUS: return OnSetFocus(window);
    case WM_NCDESTROY: return OnNcDestroy(window);
    default: return DefWindowProcW(window, message, wparam, lparam);
  }
}

bool RegisterMainWindowClass(HINSTANCE instance, const WindowDescription& description) noexcept {
  WNDCLASSEXW existing = {};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, description.window_class, &existing)) {
    return true;
  }
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = MainWindowProcedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  window_class.lpszClassName = description.window_class;
  return RegisterClassExW(&window_class) != 0;
}

// A single-line box lower than one line and its sunken edge is raised to just that height.
void RaiseToOneLine(HWND edit_box) noexcept {
  ScopedClientDc dc(edit_box);
  ScopedSelection font(dc.Dc(), reinterpret_cast<HGDIOBJ>(SendMessageW(edit_box, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics = {};
  GetTextMetricsW(dc.Dc(), &metrics);
  const int lowest = metrics.tmHeight + 2 * GetSystemMetrics(SM_CYEDGE);
  RECT bounds = {};
  GetWindowRect(edit_box, &bounds);
  if (bounds.bottom - bounds.top < lowest) {
    SetWindowPos(edit_box, nullptr, 0, 0, bounds.right - bounds.left, lowest,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void PrepareEditBox(HWND edit_box) noexcept {
  SendMessageW(edit_box, EM_SETLIMITTEXT, 0, 0);  // 0: the platform's largest limit
  SendMessageW(edit_box, EM_SETSEL, 0, 0);
  SendMessageW(edit_box, EM_SCROLLCARET, 0, 0);
  RaiseToOneLine(edit_box);
  PlaceEditTextInTheMiddle(edit_box);
}

HWND CreateControl(HWND window, WindowState& state, const ControlDescription& control) noexcept {
#ifdef QUORVANE_TEST_HOOKS
  if (control.id == test_hooks::failing_control_id) {
    return nullptr;
  }
#endif
  const KindSettings& kind = SettingsOfKind(control.kind);
  const DWORD style = kind.style | (control.tab_stop ? WS_TABSTOP : 0);
  void* creation_data = control.kind == ControlKind::kLabel ? const_cast<LabelLook*>(&control.label) : nullptr;
  HWND created = CreateWindowExW(kind.extended_style, kind.window_class, control.text, style, control.left,
                                 control.top, control.width, control.height, window,
                                 reinterpret_cast<HMENU>(static_cast<UINT_PTR>(control.id)),
                                 GetModuleHandleW(nullptr), creation_data);
  if (created == nullptr) {
    return nullptr;
  }
  SendMessageW(created, WM_SETFONT, reinterpret_cast<WPARAM>(FontOfControl(state, control)), FALSE);
  if (control.kind == ControlKind::kEditBox) {
    PrepareEditBox(created);
  }
  return created;
}

void SetIcons(HWND window, WindowState& state) noexcept {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  state.large_icon.Reset(static_cast<HICON>(LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON, 32, 32, 0)));
  state.small_icon.Reset(static_cast<HICON>(LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON, 16, 16, 0)));
  SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(state.large_icon.Get()));
  SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(state.small_icon.Get()));
}

// Creates the window hidden with all its controls, stacked and shown; null when any part
// could not be created, and then nothing of it is left.
HWND CreateHiddenWindow(const WindowDescription& description) noexcept {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  if (main_window_state.window != nullptr || !RegisterMainWindowClass(instance, description) ||
      !RegisterLabelClass(instance)) {
    return nullptr;
  }
  const POINT origin = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                     description.width, description.height);
  HWND window = CreateWindowExW(description.extended_style, description.window_class, description.title,
                                description.style, origin.x, origin.y, description.width, description.height,
                                nullptr, nullptr, instance, nullptr);
  if (window == nullptr) {
    return nullptr;
  }
  WindowState& state = main_window_state;
  state.description = &description;
  state.window = window;

  RECT outer = {};
  GetWindowRect(window, &outer);
  if (outer.right - outer.left != description.width || outer.bottom - outer.top != description.height) {
    SetWindowPos(window, nullptr, origin.x, origin.y, description.width, description.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SetIcons(window, state);
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultGuiFont()), FALSE);

  std::array<HWND, 32> created = {};
  if (description.control_count > created.size()) {
    DestroyWindow(window);
    return nullptr;
  }
  for (std::size_t i = description.control_count; i-- > 0;) {
    created[i] = CreateControl(window, state, description.controls[i]);
    if (created[i] == nullptr) {
      DestroyWindow(window);
      return nullptr;
    }
  }
  HWND above = HWND_TOP;
  for (std::size_t i = 0; i < description.control_count; ++i) {
    SetWindowPos(created[i], above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = created[i];
  }
  for (std::size_t i = 0; i < description.control_count; ++i) {
    ShowWindow(created[i], SW_SHOWNA);
  }
  return window;
}

}  // namespace

POINT CentredOrigin(int screen_width, int screen_height, int window_width, int window_height) noexcept {
  return {(screen_width - window_width) / 2, (screen_height - window_height) / 2};
}

int BuildWindow(std::uint32_t window_id) noexcept {
  const WindowDescription* description = FindWindowDescription(window_id);
  if (description == nullptr) {
    return 0;
  }
  ProcessPendingMessages();
  HoldEvents();
  HWND window = CreateHiddenWindow(*description);
  ProcessPendingMessages();
  ReleaseEvents();
  if (window == nullptr) {
    return 0;
  }
  main_window_state.built = true;
  RaiseEvent(description->events, description->event_count, EventKind::kCreated);
  ShowWindow(window, SW_SHOWNORMAL);
  return 1;
}

HWND FindOpenWindow(std::uint32_t window_id) noexcept {
  const WindowState& state = main_window_state;
  return state.description != nullptr && state.description->id == window_id ? state.window : nullptr;
}

HWND FindControl(std::uint32_t window_id, std::uint32_t control_id) noexcept {
  HWND window = FindOpenWindow(window_id);
  if (window == nullptr) {
    return nullptr;
  }
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (static_cast<std::uint32_t>(GetWindowLongPtrW(child, GWLP_ID)) == control_id) {
      return child;
    }
  }
  return nullptr;
}

bool AnyWindowOpen() noexcept { return main_window_state.window != nullptr; }

const WindowDescription* DescriptionOfWindow(HWND window) noexcept {
  const WindowState* state = StateOf(window);
  return state != nullptr ? state->description : nullptr;
}

const ControlDescription* DescriptionOfControl(HWND control) noexcept {
  const WindowDescription* window = control != nullptr ? DescriptionOfWindow(GetParent(control)) : nullptr;
  if (window == nullptr) {
    return nullptr;
  }
  const auto id = static_cast<std::uint32_t>(GetWindowLongPtrW(control, GWLP_ID));
  for (std::size_t i = 0; i < window->control_count; ++i) {
    if (window->controls[i].id == id) {
      return &window->controls[i];
    }
  }
  return nullptr;
}

void HandleMessage(const MSG& message) noexcept {
  if (!HandleWindowKey(message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void ProcessPendingMessages() noexcept {
  MSG message = {};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    HandleMessage(message);
  }
}

}  // namespace quorvane
