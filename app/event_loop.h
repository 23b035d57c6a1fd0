#pragma once

#include <cstdint>

namespace quorvane {

// Builds and shows the start window; a window that cannot be built is a fatal error.
void LoadStartWindow(std::uint32_t window_id) noexcept;

// Takes and dispatches messages, each seen by the window's key handling first, until the
// quit message; returns at once when no window of the program is open.
void RunEventLoop() noexcept;

}  // namespace quorvane
