#include "app/test_hooks_from_environment.h"

#ifdef QUORVANE_TEST_HOOKS
#include <windows.h>

#include <cwchar>

#include "window/control_ids.h"
#include "window/test_hooks.h"

namespace quorvane {

void ApplyTestHooksFromEnvironment() noexcept {
  wchar_t failure[32] = {};
  if (GetEnvironmentVariableW(L"QUORVANE_TEST_FAIL", failure, 32) == 0) {
    return;
  }
  if (std::wcscmp(failure, L"window") == 0) {
    test_hooks::failing_control_id = controls::框架左眼;
  } else if (std::wcscmp(failure, L"text-heap") == 0) {
    test_hooks::refuse_text_heap = true;
  }
}

}  // namespace quorvane
#endif
