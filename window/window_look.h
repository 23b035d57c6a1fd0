// The themed control look: the standard controls of the UI thread drawn flat and
// gradient-filled in one of three colour schemes, in place of their own painting.
#pragma once

namespace quorvane {

// Stores `scheme` as the current scheme. 1 to 3 switch the look off and on again in that
// scheme and return 1. Any other number only switches it off: 0 when it was not on, else 1
// when the platform stopped reporting newly created windows and 0 when it did not, or never
// reported them; the controls are given back either way.
int SetControlLook(int scheme) noexcept;

// The main window's created routine: switches the themed control look on.
void ApplyWindowLook() noexcept;

// The scheme the look paints in, as last stored by SetControlLook (1 at start).
int CurrentLookScheme() noexcept;

// Whether the look is on.
bool ControlLookOn() noexcept;

}  // namespace quorvane
