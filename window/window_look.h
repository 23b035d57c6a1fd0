#pragma once

namespace quorvane {

// The main window's created routine: switches the themed control look on.
void ApplyWindowLook() noexcept;

}  // namespace quorvane
