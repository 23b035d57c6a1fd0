// Ten thousand cycles of hover, press, focus and scheme changes on the real window: every
// cycle repaints, and nothing a paint makes may outlive it.
#include <windows.h>

#include <gtest/gtest.h>
#include <psapi.h>

#include <cstdint>
#include <cstdio>

#include "control_look_test_support.h"
#include "window/control_ids.h"
#include "window/control_look_takeover.h"
#include "window/window_look.h"
#include "window_test_support.h"

namespace quorvane {
namespace {

using namespace controls;
using namespace testing_support;

// GDI objects of this process. Wine does not implement GetGuiResources (it returns 0); there
// a handle's low word is its index in the process's handle table and a handle with a zero
// high word matches any live entry at that index, so probing every index counts them.
long LiveGdiObjects() {
  const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (reported != 0) {
    return static_cast<long>(reported);
  }
  long live = 0;
  for (std::uintptr_t index = 1; index < 0x10000; ++index) {
    live += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0 ? 1 : 0;
  }
  return live;
}

// The process's private memory: committed pages no other process shares. Wine reports it as
// PagefileUsage and leaves PrivateUsage at 0; on Windows the two are the same.
long long PrivateBytes() {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<long long>(counters.PagefileUsage);
}

using LookSoakTest = MainWindowTest;

// One cycle: the button into and out of one of hot, pressed or focused in turn, and every
// 100th cycle a change of scheme, which gives every control back and takes it over again.
// Every step repaints. Focus comes as the messages a focus change sends: the platform's own
// focus handling under Wine costs several milliseconds a change, and real focus changes
// are covered by the window tests.
void OneCycle(HWND button, int cycle) {
  switch (cycle % 3) {
    case 0:
      SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(80, 16));
      SendMessageW(button, WM_MOUSELEAVE, 0, 0);
      break;
    case 1:
      SendMessageW(button, BM_SETSTATE, TRUE, 0);
      SendMessageW(button, BM_SETSTATE, FALSE, 0);
      break;
    default:
      SendMessageW(button, WM_SETFOCUS, 0, 0);
      SendMessageW(button, WM_KILLFOCUS, 0, 0);
      break;
  }
  if (cycle % 100 == 0) {
    SetControlLook(1 + (cycle / 100) % 3);
  }
  ProcessPendingMessages();
}

TEST_F(LookSoakTest, TenThousandCyclesLeaveNoGdiObjectsOrMemoryBehind) {
  const HWND button = Control(按钮1);
  const POINT centre = OnScreen(button, 80, 16);
  SetCursorPos(centre.x, centre.y);  // so the platform does not report a leave at once
  PumpMessages(50);
  // Warming up lets the platform fill its caches (fonts, system colour brushes, message
  // queues) before anything is counted.
  for (int cycle = 1; cycle <= 300; ++cycle) {
    OneCycle(button, cycle);
  }
  SetControlLook(1);
  PumpMessages(50);
  const long gdi_before = LiveGdiObjects();
  const long long memory_before = PrivateBytes();
  const DWORD start = GetTickCount();
  for (int cycle = 1; cycle <= 10000; ++cycle) {
    OneCycle(button, cycle);
  }
  SetControlLook(1);
  PumpMessages(50);
  const DWORD elapsed = GetTickCount() - start;
  const long gdi_after = LiveGdiObjects();
  const long long memory_after = PrivateBytes();
  std::printf("soak: %lu ms; GDI objects %ld -> %ld; private bytes %lld -> %lld\n", elapsed, gdi_before, gdi_after,
              memory_before, memory_after);
  ASSERT_GT(gdi_before, 0) << "the count works on this platform";
  ASSERT_GT(memory_before, 0) << "so does the memory figure";
  // One object left behind per paint would be twenty thousand.
  EXPECT_EQ(gdi_after, gdi_before);
  // Twenty bytes lost a paint would be 400 KB. The heap may keep a few pages more than it
  // had, from fragmentation; 256 KB leaves room for that and no more.
  EXPECT_LT(memory_after - memory_before, 256 * 1024);
  EXPECT_EQ(TakenOverCount(), 7u);
  EXPECT_TRUE(ControlLookOn());
}

}  // namespace
}  // namespace quorvane
