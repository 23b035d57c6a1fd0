#include "window/event_delivery.h"

namespace quorvane {

namespace {
// Touched only on the UI thread.
bool events_held_back = false;
}  // namespace

void HoldEvents() noexcept { events_held_back = true; }

void ReleaseEvents() noexcept { events_held_back = false; }

bool EventsHeldBack() noexcept { return events_held_back; }

void RaiseEvent(const EventBinding* events, std::size_t count, EventKind event) noexcept {
  if (events_held_back) {
    return;
  }
  if (const EventRoutine routine = BoundRoutine(events, count, event)) {
    routine();
  }
}

}  // namespace quorvane
