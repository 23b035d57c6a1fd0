#include "window/window_look.h"

namespace quorvane {

// The controls keep the platform's visual style for now.
void ApplyWindowLook() noexcept {}

}  // namespace quorvane
