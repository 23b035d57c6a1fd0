#include "app/program.h"

#include <cfenv>
#include <float.h>

#include "app/event_loop.h"
#include "app/runtime.h"
#include "window/window_description.h"

namespace quorvane {

void ProgramInit() noexcept {}

void ProgramEnd() noexcept {}

void ResetFloatingPoint() noexcept {
  std::fesetenv(FE_DFL_ENV);
#if defined(_M_IX86) || defined(__i386__)
  _control87(_PC_64 | _RC_NEAR | _MCW_EM, _MCW_PC | _MCW_RC | _MCW_EM);
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
