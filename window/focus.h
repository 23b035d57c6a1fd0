// The tab cycle and the keys the window looks at before the focused control does.
#pragma once

#include <windows.h>

namespace quorvane {

enum class FocusDirection { kForward, kBackward };

// Moves the focus along the window's tab cycle: its visible, enabled tab-stop controls that
// can take the focus, from the last listed to the first. Nothing happens when the focus is
// not on one of the window's controls.
void MoveFocus(HWND window, FocusDirection direction) noexcept;

// The control the focus goes to first: the start of the tab cycle.
HWND FirstInTabCycle(HWND window) noexcept;

// Lets the program's window see a message before it is dispatched; true when the window
// consumed it (Tab, Shift+Tab, Esc).
bool HandleWindowKey(const MSG& message) noexcept;

}  // namespace quorvane
