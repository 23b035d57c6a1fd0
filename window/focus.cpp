#include "window/focus.h"

#include <cstddef>
#include <iterator>

#include "window/build_window.h"

namespace quorvane {

namespace {

bool InTabCycle(HWND control, const ControlDescription& description) noexcept {
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
  return description.kind != ControlKind::kLabel && (style & WS_TABSTOP) != 0 && IsWindowVisible(control) &&
         IsWindowEnabled(control);
}

// The window's controls in tab-cycle order: the reverse of the list order.
struct TabCycle {
  HWND members[32] = {};
  std::size_t count = 0;
};

TabCycle TabCycleOf(HWND window) noexcept {
  TabCycle cycle;
  const WindowDescription* description = DescriptionOfWindow(window);
  if (description == nullptr) {
    return cycle;
  }
  for (std::size_t i = description->control_count; i-- > 0 && cycle.count < std::size(cycle.members);) {
    const ControlDescription& control = description->controls[i];
    HWND handle = FindControl(description->id, control.id);
    if (handle != nullptr && InTabCycle(handle, control)) {
      cycle.members[cycle.count++] = handle;
    }
  }
  return cycle;
}

// The program's window that holds `target`, or null.
HWND OwningProgramWindow(HWND target) noexcept {
  for (HWND candidate = target; candidate != nullptr; candidate = GetParent(candidate)) {
    if (DescriptionOfWindow(candidate) != nullptr) {
      return candidate;
    }
  }
  return nullptr;
}

bool ShiftHeld() noexcept { return GetKeyState(VK_SHIFT) < 0; }

}  // namespace

HWND FirstInTabCycle(HWND window) noexcept {
  const TabCycle cycle = TabCycleOf(window);
  return cycle.count != 0 ? cycle.members[0] : nullptr;
}

void MoveFocus(HWND window, FocusDirection direction) noexcept {
  const TabCycle cycle = TabCycleOf(window);
  const HWND focus = GetFocus();
  for (std::size_t i = 0; i < cycle.count; ++i) {
    if (cycle.members[i] == focus || IsChild(cycle.members[i], focus)) {
      const std::size_t next =
          direction == FocusDirection::kForward ? (i + 1) % cycle.count : (i + cycle.count - 1) % cycle.count;
      SetFocus(cycle.members[next]);
      return;
    }
  }
}

bool HandleWindowKey(const MSG& message) noexcept {
  if (message.message != WM_KEYDOWN) {
    return false;
  }
  HWND window = OwningProgramWindow(message.hwnd);
  if (window == nullptr) {
    return false;
  }
  switch (message.wParam) {
    case VK_TAB:
      MoveFocus(window, ShiftHeld() ? FocusDirection::kBackward : FocusDirection::kForward);
      return true;
    case VK_ESCAPE:
      SendMessageW(window, WM_CLOSE, 0, 0);
      return true;
    default:
      return false;
  }
}

}  // namespace quorvane
