#include "window/test_hooks.h"

#ifdef QUORVANE_TEST_HOOKS
namespace quorvane::test_hooks {

std::uint32_t failing_control_id = 0;
bool refuse_text_heap = false;
bool refuse_creation_hook = false;

}  // namespace quorvane::test_hooks
#endif
