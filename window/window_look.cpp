#include "window/window_look.h"

#include <windows.h>

#include "window/control_look_kinds.h"
#include "window/control_look_schemes.h"
#include "window/control_look_takeover.h"
#include "window/test_hooks.h"

namespace quorvane {

namespace {

// A hook on this thread, unhooked when its owner goes unless it was unhooked before.
class ScopedHook {
 public:
  ScopedHook() noexcept = default;
  ScopedHook(const ScopedHook&) = delete;
  ScopedHook& operator=(const ScopedHook&) = delete;
  ~ScopedHook() { Unhook(); }

  void Reset(HHOOK hook) noexcept {
    Unhook();
    hook_ = hook;
  }
  // Whether the platform confirmed the removal.
  bool Unhook() noexcept {
    const HHOOK hook = hook_;
    hook_ = nullptr;
    return hook != nullptr && UnhookWindowsHookEx(hook) != FALSE;
  }

 private:
  HHOOK hook_ = nullptr;
};

struct LookSwitch {
  int scheme = kFirstScheme;
  bool on = false;
  ScopedHook creation_hook;  // reports each window the thread creates
};

// Touched from the UI thread only.
LookSwitch look;

struct ClassName {
  wchar_t text[64] = {};
};

ClassName ClassNameOf(HWND window) noexcept {
  ClassName name;
  if (window != nullptr) {
    GetClassNameW(window, name.text, static_cast<int>(sizeof name.text / sizeof name.text[0]));
  }
  return name;
}

DWORD StyleOf(HWND window) noexcept {
  return window != nullptr ? static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)) : 0;
}

// Classified from the creation styles, before the control's own creation code runs: an edit
// box, for one, drops WS_BORDER from its style then and draws the border itself. The control
// is subclassed before its first message; its first paint is already the look's.
void TakeOverCreated(HWND window, const CREATESTRUCTW& creation) noexcept {
  const ClassName name = ClassNameOf(window);
  const ClassName parent = ClassNameOf(creation.hwndParent);
  const auto kind = CoveredKind(
      {name.text, static_cast<DWORD>(creation.style), creation.dwExStyle, parent.text, StyleOf(creation.hwndParent)});
  if (kind) {
    TakeOver(window, *kind, StateFromStyles(*kind, static_cast<DWORD>(creation.style)), false);
  }
}

LRESULT CALLBACK CreationHookProcedure(int code, WPARAM wparam, LPARAM lparam) noexcept {
  const LRESULT result = CallNextHookEx(nullptr, code, wparam, lparam);
  // A non-zero result from a later hook cancels the creation: nothing to take over then.
  if (code == HCBT_CREATEWND && result == 0) {
    TakeOverCreated(reinterpret_cast<HWND>(wparam), *reinterpret_cast<const CBT_CREATEWNDW*>(lparam)->lpcs);
  }
  return result;
}

void TakeOverExisting(HWND window) noexcept {
  const ClassName name = ClassNameOf(window);
  const HWND parent_window = GetParent(window);
  const ClassName parent = ClassNameOf(parent_window);
  const auto kind = CoveredKind({name.text, StyleOf(window), static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)),
                                 parent.text, StyleOf(parent_window)});
  if (!kind) {
    return;
  }
  TakeOver(window, *kind, StateOfControl(window, *kind), true);
  // A drop-down list may hang from the desktop rather than from its combo box.
  COMBOBOXINFO combo = {};
  combo.cbSize = sizeof combo;
  if (*kind == LookKind::kComboBox && GetComboBoxInfo(window, &combo) && combo.hwndList != nullptr) {
    TakeOver(combo.hwndList, LookKind::kComboList, StateOfControl(combo.hwndList, LookKind::kComboList), true);
  }
}

BOOL CALLBACK TakeOverDescendant(HWND window, LPARAM) noexcept {
  if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) {
    TakeOverExisting(window);
  }
  return TRUE;
}

BOOL CALLBACK TakeOverWithDescendants(HWND window, LPARAM) noexcept {
  TakeOverExisting(window);
  EnumChildWindows(window, TakeOverDescendant, 0);  // every level below, not just the children
  return TRUE;
}

HHOOK HookCreation() noexcept {
#ifdef QUORVANE_TEST_HOOKS
  if (test_hooks::refuse_creation_hook) {
    return nullptr;
  }
#endif
  return SetWindowsHookExW(WH_CBT, CreationHookProcedure, nullptr, GetCurrentThreadId());
}

int SwitchOn() noexcept {
  look.on = true;
  look.creation_hook.Reset(HookCreation());
  EnumThreadWindows(GetCurrentThreadId(), TakeOverWithDescendants, 0);
  return 1;
}

int SwitchOff() noexcept {
  if (!look.on) {
    return 0;
  }
  look.on = false;
  const bool unhooked = look.creation_hook.Unhook();
  GiveBackAll();
  return unhooked ? 1 : 0;
}

}  // namespace

int SetControlLook(int scheme) noexcept {
  look.scheme = scheme;
  if (scheme >= kFirstScheme && scheme <= kLastScheme) {
    SwitchOff();
    return SwitchOn();
  }
  return SwitchOff();
}

void ApplyWindowLook() noexcept { SetControlLook(1); }

int CurrentLookScheme() noexcept { return look.scheme; }

bool ControlLookOn() noexcept { return look.on; }

}  // namespace quorvane
