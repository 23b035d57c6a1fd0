// Test builds only: QUORVANE_TEST_FAIL=window makes a control's creation fail, and
// QUORVANE_TEST_FAIL=text-heap makes the text heap refuse, so the end-to-end tests can watch
// the fatal error path of the real exe. Release builds read no environment at all.
#pragma once

#ifdef QUORVANE_TEST_HOOKS
namespace quorvane {

void ApplyTestHooksFromEnvironment() noexcept;

}  // namespace quorvane
#endif
