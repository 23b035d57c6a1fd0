#include "app/event_loop.h"

#include <windows.h>

#include "app/runtime.h"
#include "window/build_window.h"

namespace quorvane {

void LoadStartWindow(std::uint32_t window_id) noexcept {
  if (BuildWindow(window_id) == 0) {
    ReportFatalError(L"无法加载启动窗口。");
  }
}

void RunEventLoop() noexcept {
  if (!AnyWindowOpen()) {
    return;
  }
  MSG message = {};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    HandleMessage(message);
  }
}

}  // namespace quorvane
