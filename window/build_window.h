// Building the main window from its description, and finding it and its controls again.
#pragma once

#include <windows.h>

#include <cstdint>

#include "window/window_description.h"

namespace quorvane {

// Builds and shows the window with that identifier: 1 when it exists afterwards, 0 when it
// could not be built (then nothing of it is left).
int BuildWindow(std::uint32_t window_id) noexcept;

// The control of an open window, or null when the window is not open or has no such control.
HWND FindControl(std::uint32_t window_id, std::uint32_t control_id) noexcept;

// The open window with that identifier, or null.
HWND FindOpenWindow(std::uint32_t window_id) noexcept;

// Whether any window of the program is open.
bool AnyWindowOpen() noexcept;

// The description a window or control of the program was built from, or null.
const WindowDescription* DescriptionOfWindow(HWND window) noexcept;
const ControlDescription* DescriptionOfControl(HWND control) noexcept;

// Where the window opens: centred on a screen of that size, each division truncating.
POINT CentredOrigin(int screen_width, int screen_height, int window_width, int window_height) noexcept;

// Processes the messages already waiting, each through the window's key handling first;
// a quit message is left for the event loop.
void ProcessPendingMessages() noexcept;

// One message as the event loop handles it.
void HandleMessage(const MSG& message) noexcept;

}  // namespace quorvane
