#include <windows.h>

#include <gtest/gtest.h>

#include <cfenv>
#include <float.h>
#include <string>
#include <vector>

#include "app/event_loop.h"
#include "app/program.h"
#include "app/runtime.h"
#include "window/build_window.h"

namespace quorvane {
namespace {

std::vector<int> calls;
void First() { calls.push_back(1); }
void Second() { calls.push_back(2); }

TEST(EndRoutines, RunOnceEachInRegistrationOrderAndALateDuplicateIsIgnored) {
  calls.clear();
  RegisterEndRoutine(First);
  RegisterEndRoutine(Second);
  RegisterEndRoutine(First);
  EXPECT_EQ(EndRoutineCount(), 2u);
  RunEndRoutines();
  EXPECT_EQ(calls, (std::vector<int>{1, 2}));
  EXPECT_EQ(EndRoutineCount(), 0u) << "the list is emptied";
  RunEndRoutines();
  EXPECT_EQ(calls.size(), 2u) << "nothing runs twice";
}

TEST(OutOfMemoryMessage, NamesTheBytesAskedFor) {
  const struct {
    std::size_t bytes;
    const wchar_t* text;
  } cases[] = {
      {4, L"内存不足：无法分配 4 字节。"},
      {0, L"内存不足：无法分配 0 字节。"},
      {1000001, L"内存不足：无法分配 1000001 字节。"},
  };
  for (const auto& c : cases) {
    wchar_t message[128];
    FormatOutOfMemoryMessage(c.bytes, message, std::size(message));
    EXPECT_STREQ(message, c.text);
  }
  wchar_t cramped[8];
  FormatOutOfMemoryMessage(123456789, cramped, std::size(cramped));
  EXPECT_EQ(std::wstring(cramped).size(), 7u) << "cut to the room given, still terminated";
}

// After a reset, whatever was changed before: to nearest, every exception masked, and on
// 32-bit x86 the x87 precision at its widest.
TEST(ResetFloatingPoint, RestoresRoundingToNearestWithExceptionsMasked) {
  std::fesetround(FE_TOWARDZERO);
  _controlfp(0, _EM_ZERODIVIDE);  // unmask one exception
  ResetFloatingPoint();
  EXPECT_EQ(std::fegetround(), FE_TONEAREST);
  const unsigned control = _controlfp(0, 0);
  EXPECT_EQ(control & _MCW_EM, static_cast<unsigned>(_MCW_EM));
  EXPECT_EQ(control & _MCW_RC, static_cast<unsigned>(_RC_NEAR));
#if defined(_M_IX86) || defined(__i386__)
  EXPECT_EQ(_control87(0, 0) & _MCW_PC, static_cast<unsigned>(_PC_64));
#endif
  volatile double zero = 0.0;
  EXPECT_TRUE(1.0 / zero > 1e308) << "division by zero gives an infinity, not a trap";
}

TEST(RunEventLoop, ReturnsAtOnceWhenNoWindowIsOpen) {
  ASSERT_FALSE(AnyWindowOpen());
  PostMessageW(nullptr, WM_USER, 0, 0);  // would keep a running loop busy
  RunEventLoop();
  MSG message = {};
  EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_USER, WM_USER, PM_REMOVE)) << "the loop took no message";
}

}  // namespace
}  // namespace quorvane
