// Ways for tests to force the failures a user cannot cause. Compiled into test builds only.
#pragma once

#include <cstdint>

#ifdef QUORVANE_TEST_HOOKS
namespace quorvane::test_hooks {

// The control whose creation fails, or 0 for none.
extern std::uint32_t failing_control_id;

// Whether the heap of owned texts refuses every request.
extern bool refuse_text_heap;

// Whether the platform is taken to refuse reporting newly created windows to the look.
extern bool refuse_creation_hook;

}  // namespace quorvane::test_hooks
#endif
