// The themed look's subclass procedures: they follow a taken-over control's state and paint
// it, in place of the control's own painting or over it.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "window/control_look_state.h"

namespace quorvane {

// The id of the look's subclass. It is added after the edit boxes' own subclass, so it sees
// their messages first.
inline constexpr UINT_PTR kLookSubclassId = 0x4C4B;

SUBCLASSPROC LookProcedureFor(LookKind kind) noexcept;

}  // namespace quorvane
