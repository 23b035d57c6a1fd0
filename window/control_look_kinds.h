// Which windows the themed look covers, and the state a control is in when it is taken over.
#pragma once

#include <windows.h>

#include <optional>

#include "window/control_look_state.h"

namespace quorvane {

// What classifying a window looks at. A combo box's drop-down list is recognised through the
// combo box it was created for.
struct WindowTraits {
  const wchar_t* class_name;
  DWORD style;
  DWORD extended_style;
  const wchar_t* parent_class;  // empty when there is no parent
  DWORD parent_style;
};

// The kind the look draws the window as, or nothing when the window keeps its own painting:
// owner-drawn and other buttons, edit boxes without a border, simple combo boxes, top-level
// windows, the program's labels and every class not named here.
std::optional<LookKind> CoveredKind(const WindowTraits& traits) noexcept;

// The state as the creation styles give it: a control not yet made has no focus, no check
// and is not pressed.
ControlState StateFromStyles(LookKind kind, DWORD style) noexcept;

// The state of an existing control, asked from the control itself.
ControlState StateOfControl(HWND control, LookKind kind) noexcept;

}  // namespace quorvane
