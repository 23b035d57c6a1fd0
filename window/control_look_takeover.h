// The controls the themed look has taken over: each with its kind, its state and the brush
// its parent gives it, and the look's subclass on it for as long as it is in the set.
#pragma once

#include <windows.h>

#include <cstddef>

#include "window/control_look_state.h"

namespace quorvane {

struct TakenOverControl {
  LookKind kind;
  ControlState state;
  HBRUSH parent_brush;  // the parent's answer to WM_CTLCOLORBTN at the last erase; null before
};

// Subclasses the control and adds it to the set, unless it is there already; with
// `repaint_now`, repaints it completely at once. False when it was not taken over now.
bool TakeOver(HWND control, LookKind kind, const ControlState& state, bool repaint_now) noexcept;

// The control's entry, or null when the look has not taken it over.
TakenOverControl* FindTakenOver(HWND control) noexcept;

// Drops a control that is going away: its subclass is removed, nothing is repainted.
void GiveUp(HWND control) noexcept;

// Gives every control its own painting back and repaints each completely.
void GiveBackAll() noexcept;

std::size_t TakenOverCount() noexcept;

}  // namespace quorvane
