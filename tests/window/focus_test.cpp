#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "window/control_ids.h"
#include "window/focus.h"
#include "window_test_support.h"

namespace quorvane {
namespace {

using namespace controls;
using namespace testing_support;

const std::uint32_t kTabCycle[] = {框架左眼, 框架右眼, 隐形左眼, 隐形右眼, 左眼散光, 右眼散光, 按钮1};

std::uint32_t FocusedId() { return static_cast<std::uint32_t>(GetWindowLongPtrW(GetFocus(), GWLP_ID)); }

using FocusTest = MainWindowTest;

TEST_F(FocusTest, TheFirstFocusGoesToTheLeftSpectacleBox) {
  EXPECT_EQ(GetFocus(), Control(框架左眼));
}

TEST_F(FocusTest, TabWalksTheCycleForwardAndWrapsAround) {
  for (std::size_t step = 1; step <= std::size(kTabCycle); ++step) {
    PressKey(VK_TAB);
    EXPECT_EQ(FocusedId(), kTabCycle[step % std::size(kTabCycle)]) << "after " << step << " Tabs";
  }
}

TEST_F(FocusTest, ShiftTabWalksTheCycleBackward) {
  for (std::size_t step = 1; step <= std::size(kTabCycle); ++step) {
    PressKey(VK_TAB, true);
    EXPECT_EQ(FocusedId(), kTabCycle[(std::size(kTabCycle) - step) % std::size(kTabCycle)])
        << "after " << step << " Shift+Tabs";
  }
}

TEST_F(FocusTest, TabFromTheRightSpectacleBoxGoesToTheLeftResult) {
  SetFocus(Control(框架右眼));
  PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), Control(隐形左眼)) << "not to the astigmatism box beside it";
}

TEST_F(FocusTest, EnterMovesNoFocusAndClicksNothing) {
  for (std::uint32_t id : {框架左眼, 隐形左眼, 按钮1}) {
    SetFocus(Control(id));
    PressKey(VK_RETURN);
    EXPECT_EQ(FocusedId(), id) << std::hex << id;
  }
  EXPECT_EQ(TextOf(Control(隐形左眼)), L"") << "the convert button was not clicked";
  EXPECT_EQ(TextOf(Control(隐形右眼)), L"");
}

TEST_F(FocusTest, EscapeClosesTheWindowEvenWithTextInTheBoxes) {
  SetWindowTextW(Control(框架左眼), L"400");
  SetFocus(Control(框架左眼));
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_FALSE(AnyWindowOpen());
}

TEST_F(FocusTest, NothingMovesWhenTheFocusIsOutsideTheWindow) {
  HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(other, nullptr);
  SetFocus(other);
  MoveFocus(window_, FocusDirection::kForward);
  EXPECT_EQ(GetFocus(), other);
  DestroyWindow(other);
}

TEST_F(FocusTest, ClickingALabelLeavesTheFocus) {
  SetFocus(Control(右眼散光));
  HWND label = Control(标签1);
  SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  PumpMessages();
  EXPECT_EQ(GetFocus(), Control(右眼散光));
}

// Switching to another program and back puts the focus where it was.
TEST_F(FocusTest, TheFocusIsRememberedAcrossDeactivation) {
  SetFocus(Control(右眼散光));
  PumpMessages();
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                               nullptr, nullptr, nullptr);
  ASSERT_NE(other, nullptr);
  SetForegroundWindow(other);
  SetActiveWindow(other);
  ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == other; }));
  EXPECT_NE(GetFocus(), Control(右眼散光));
  SetForegroundWindow(window_);
  SetActiveWindow(window_);
  ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == window_; }));
  EXPECT_EQ(GetFocus(), Control(右眼散光));
  DestroyWindow(other);
}

}  // namespace
}  // namespace quorvane
