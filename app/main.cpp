// The platform's entry point: the program's start, then its normal end.
#include <windows.h>

#include "app/program.h"
#include "app/runtime.h"
#include "app/test_hooks_from_environment.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
#ifdef QUORVANE_TEST_HOOKS
  quorvane::ApplyTestHooksFromEnvironment();
#endif
  quorvane::ProgramStart();
  quorvane::EndProgram();
}
