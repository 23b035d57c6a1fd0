#include "app/program.h"

#include <cfenv>
#include <float.h>

#include "app/event_loop.h"
#include "app/runtime.h"
#include "window/window_description.h"

namespace quorvane {

void ProgramInit() noexcept {}

void ProgramEnd() noexcept {}

// fesetenv clears the status flags but, with mingw-w64's C library, leaves the SSE control
// register as it was; the control calls set the rounding and masks of both units.
void ResetFloatingPoint() noexcept {
  std::fesetenv(FE_DFL_ENV);
  _controlfp(_RC_NEAR | _MCW_EM, _MCW_RC | _MCW_EM);
#if defined(_M_IX86) || defined(__i386__)
  _control87(_PC_64, _MCW_PC);
#endif
}

int ProgramStart() noexcept {
  StartRuntime();
  ResetFloatingPoint();
  ProgramInit();
  RegisterEndRoutine(ProgramEnd);
  LoadStartWindow(kMainWindowId);
  RunEventLoop();
  return 0;
}

}  // namespace quorvane
