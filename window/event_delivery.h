// How events reach their routines: at once, inside the handling of the message that raised
// them, unless events are held back (while the window is built, and from the moment the
// program begins to end).
#pragma once

#include <cstddef>

#include "window/window_description.h"

namespace quorvane {

void HoldEvents() noexcept;
void ReleaseEvents() noexcept;
bool EventsHeldBack() noexcept;

// Calls the routine bound to the event, if any and if events are let through.
void RaiseEvent(const EventBinding* events, std::size_t count, EventKind event) noexcept;

}  // namespace quorvane
