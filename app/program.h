// The program's own share of its life: one start routine and two that do nothing.
#pragma once

namespace quorvane {

// Makes the run-time ready, loads the main window and runs the event loop; returns 0 once
// the window is closed. A fatal error on the way does not return.
int ProgramStart() noexcept;

void ProgramInit() noexcept;
void ProgramEnd() noexcept;

// Back to rounding to nearest with every exception masked and, where the x87 unit has a
// precision setting, its widest.
void ResetFloatingPoint() noexcept;

}  // namespace quorvane
