#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "window/build_window.h"
#include "window/control_ids.h"
#include "window/test_hooks.h"
#include "window_test_support.h"

namespace quorvane {
namespace {

using namespace controls;
using namespace testing_support;

struct ExpectedControl {
  std::uint32_t id;
  const wchar_t* window_class;
  RECT place;  // left, top, right, bottom in the client area
  const wchar_t* text;
  DWORD style_set;    // bits that must be set
  DWORD style_clear;  // bits that must be clear
  DWORD extended_set;
};

constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kLabelStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | BS_MULTILINE | BS_CENTER | BS_VCENTER;
constexpr DWORD kNeverOn = WS_DISABLED | WS_BORDER | WS_POPUP;

// In list order, as the window stacks them: the first lies on top.
const ExpectedControl kExpectedControls[] = {
    {标签8, L"QuorvaneLabel", {9, 69, 377, 93},
     L"注意：散光度数低于100度的可以忽略不填写。如换算完度数=382度，请佩戴375度隐形眼镜，度数以浅为主。", kLabelStyle,
     kNeverOn | WS_TABSTOP, 0},
    {标签7, L"QuorvaneLabel", {215, 88, 359, 112}, L"Fo=Fs/(1-dFs)", kLabelStyle, kNeverOn | WS_TABSTOP, 0},
    {按钮1, L"Button", {208, 120, 368, 152}, L"点  击  换  算 ", kButtonStyle, kNeverOn | BS_DEFPUSHBUTTON, 0},
    {右眼散光, L"Edit", {288, 42, 368, 62}, L"", kEditStyle, kNeverOn | ES_MULTILINE | ES_PASSWORD | ES_NOHIDESEL, WS_EX_CLIENTEDGE},
    {左眼散光, L"Edit", {288, 8, 368, 28}, L"", kEditStyle, kNeverOn | ES_MULTILINE | ES_PASSWORD | ES_NOHIDESEL, WS_EX_CLIENTEDGE},
    {标签6, L"QuorvaneLabel", {208, 43, 288, 59}, L"右眼散光度数：", kLabelStyle, kNeverOn | WS_TABSTOP, 0},
    {标签5, L"QuorvaneLabel", {208, 11, 288, 27}, L"左眼散光度数：", kLabelStyle, kNeverOn | WS_TABSTOP, 0},
    {隐形右眼, L"Edit", {117, 129, 197, 149}, L"", kEditStyle, kNeverOn | ES_MULTILINE | ES_READONLY, WS_EX_CLIENTEDGE},
    {隐形左眼, L"Edit", {117, 97, 197, 117}, L"", kEditStyle, kNeverOn | ES_MULTILINE | ES_READONLY, WS_EX_CLIENTEDGE},
    {标签3, L"QuorvaneLabel", {8, 126, 120, 150}, L"隐形眼镜右眼度数：", kLabelStyle, kNeverOn | WS_TABSTOP, 0},
    {标签4, L"QuorvaneLabel", {8, 96, 120, 120}, L"隐形眼镜左眼度数：", kLabelStyle, kNeverOn | WS_TABSTOP, 0},
    {框架右眼, L"Edit", {117, 43, 197, 63}, L"", kEditStyle, kNeverOn | ES_MULTILINE, WS_EX_CLIENTEDGE},
    {框架左眼, L"Edit", {117, 11, 197, 31}, L"", kEditStyle, kNeverOn | ES_MULTILINE, WS_EX_CLIENTEDGE},
    {标签2, L"QuorvaneLabel", {8, 40, 120, 64}, L"框架眼镜右眼度数：", kLabelStyle, kNeverOn | WS_TABSTOP, 0},
    {标签1, L"QuorvaneLabel", {8, 10, 120, 34}, L"框架眼镜左眼度数：", kLabelStyle, kNeverOn | WS_TABSTOP, 0},
};

using BuildWindowTest = MainWindowTest;

TEST_F(BuildWindowTest, EveryControlHasItsClassPlaceStyleAndText) {
  for (const ExpectedControl& expected : kExpectedControls) {
    SCOPED_TRACE(testing::Message() << "control 0x" << std::hex << expected.id);
    HWND control = Control(expected.id);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(GetParent(control), window_);
    EXPECT_EQ(_wcsicmp(ClassOf(control).c_str(), expected.window_class), 0) << "class";
    const RECT place = PlaceOf(control);
    EXPECT_EQ(place.left, expected.place.left);
    EXPECT_EQ(place.top, expected.place.top);
    EXPECT_EQ(place.right, expected.place.right);
    EXPECT_EQ(place.bottom, expected.place.bottom);
    EXPECT_EQ(TextOf(control), expected.text);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
    EXPECT_EQ(style & expected.style_set, expected.style_set) << "style " << std::hex << style;
    EXPECT_EQ(style & expected.style_clear, 0u) << "style " << std::hex << style;
    const auto extended = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_EXSTYLE));
    EXPECT_EQ(extended & WS_EX_CLIENTEDGE, expected.extended_set) << "extended style " << std::hex << extended;
    EXPECT_TRUE(IsWindowEnabled(control));
  }
}

TEST_F(BuildWindowTest, ControlsAreStackedInListOrderWithTheFirstOnTop) {
  std::vector<std::uint32_t> stacking;
  for (HWND child = GetWindow(window_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    stacking.push_back(static_cast<std::uint32_t>(GetWindowLongPtrW(child, GWLP_ID)));
  }
  std::vector<std::uint32_t> list_order;
  for (const ExpectedControl& expected : kExpectedControls) {
    list_order.push_back(expected.id);
  }
  EXPECT_EQ(stacking, list_order);
}

TEST_F(BuildWindowTest, TheWindowIsAFixedCentredFrameWithItsTitle) {
  EXPECT_EQ(TextOf(window_), L"Quorvane");
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE));
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN | WS_VISIBLE),
            static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN | WS_VISIBLE));
  EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME | WS_MINIMIZE | WS_MAXIMIZE | WS_CHILD), 0u);
  const auto extended = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE));
  EXPECT_EQ(extended & WS_EX_TOPMOST, 0u);
  EXPECT_EQ(GetWindow(window_, GW_OWNER), nullptr);
  EXPECT_EQ(GetMenu(window_), nullptr);
  RECT outer = {};
  GetWindowRect(window_, &outer);
  const POINT origin = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), 380, 186);
  EXPECT_EQ(outer.left, origin.x);
  EXPECT_EQ(outer.top, origin.y);
  EXPECT_EQ(outer.right - outer.left, 380);
  EXPECT_EQ(outer.bottom - outer.top, 186);
  EXPECT_NE(SendMessageW(window_, WM_GETICON, ICON_BIG, 0), 0) << "the program's own icon";
  EXPECT_NE(SendMessageW(window_, WM_GETICON, ICON_SMALL, 0), 0);
}

TEST(CentredOrigin, TruncatesTowardZero) {
  const struct {
    int screen_width;
    int screen_height;
    POINT origin;
    const char* why;
  } cases[] = {
      {1024, 768, {322, 291}, ""},
      {1920, 1080, {770, 447}, ""},
      {1366, 768, {493, 291}, "odd difference: 986 / 2"},
      {379, 185, {0, 0}, "one pixel smaller: -1 / 2 truncates to 0, not -1"},
      {360, 166, {-10, -10}, "smaller screens push the window off the edge"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const POINT origin = CentredOrigin(c.screen_width, c.screen_height, 380, 186);
    EXPECT_EQ(origin.x, c.origin.x);
    EXPECT_EQ(origin.y, c.origin.y);
  }
}

TEST_F(BuildWindowTest, ControlsUseTheirFonts) {
  const auto default_font = reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT));
  for (std::uint32_t id : {标签1, 标签2, 标签3, 标签4, 标签5, 标签6, 框架左眼, 框架右眼, 左眼散光, 右眼散光, 隐形左眼, 隐形右眼, 按钮1}) {
    EXPECT_EQ(SendMessageW(Control(id), WM_GETFONT, 0, 0), default_font) << std::hex << id;
  }
  const struct {
    std::uint32_t id;
    LONG height;
  } bold_labels[] = {{标签7, -19}, {标签8, -10}};
  for (const auto& label : bold_labels) {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(Control(label.id), WM_GETFONT, 0, 0));
    LOGFONTW record = {};
    ASSERT_EQ(GetObjectW(font, sizeof record, &record), static_cast<int>(sizeof record)) << std::hex << label.id;
    EXPECT_EQ(record.lfHeight, label.height);
    EXPECT_EQ(record.lfWeight, FW_BOLD);
    EXPECT_EQ(record.lfQuality, PROOF_QUALITY);
    EXPECT_EQ(record.lfCharSet, DEFAULT_CHARSET);
    EXPECT_FALSE(record.lfItalic || record.lfUnderline || record.lfStrikeOut);
    EXPECT_STREQ(record.lfFaceName, L"");
  }
}

TEST_F(BuildWindowTest, EditBoxesTakeTheLargestTextAndStartEmpty) {
  for (std::uint32_t id : {框架左眼, 框架右眼, 左眼散光, 右眼散光, 隐形左眼, 隐形右眼}) {
    HWND box = Control(id);
    EXPECT_EQ(SendMessageW(box, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE) << std::hex << id;
    DWORD start = 1;
    DWORD end = 1;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);
  }
}

TEST_F(BuildWindowTest, FindControlKnowsOnlyTheOpenWindowsControls) {
  EXPECT_NE(FindControl(kMainWindowId, 按钮1), nullptr);
  EXPECT_EQ(FindControl(kMainWindowId, 0x16010006), nullptr) << "a gap in the numbering";
  EXPECT_EQ(FindControl(0x52010002, 按钮1), nullptr) << "no such window";
  DestroyWindow(window_);
  EXPECT_EQ(FindControl(kMainWindowId, 按钮1), nullptr) << "the window is closed";
}

// The outer size stays 380 x 186 when the frame metrics make the client area smaller.
TEST(BuildWindowMetrics, KeepsTheOuterSizeUnderALargerCaption) {
  NONCLIENTMETRICSW saved = {};
  saved.cbSize = sizeof saved;
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof saved, &saved, 0));
  NONCLIENTMETRICSW larger = saved;
  larger.iCaptionHeight = saved.iCaptionHeight + 20;
  larger.iBorderWidth = saved.iBorderWidth + 3;
  ASSERT_TRUE(SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof larger, &larger, 0));
  DiscardQuitMessage();
  const int built = BuildWindow(kMainWindowId);
  HWND window = FindOpenWindow(kMainWindowId);
  RECT outer = {};
  GetWindowRect(window, &outer);
  RECT client = {};
  GetClientRect(window, &client);
  DestroyWindow(window);
  SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof saved, &saved, 0);
  PumpMessages(20);
  DiscardQuitMessage();
  ASSERT_EQ(built, 1);
  EXPECT_EQ(outer.right - outer.left, 380);
  EXPECT_EQ(outer.bottom - outer.top, 186);
  EXPECT_LT(client.bottom, 152) << "the client area shrinks instead; the lowest controls are cut off";
}

#ifdef QUORVANE_TEST_HOOKS
TEST(BuildWindowFailure, AControlThatCannotBeCreatedLeavesNothingBehind) {
  DiscardQuitMessage();
  test_hooks::failing_control_id = 标签4;  // halfway through the creation order
  const int built = BuildWindow(kMainWindowId);
  test_hooks::failing_control_id = 0;
  EXPECT_EQ(built, 0);
  EXPECT_EQ(FindOpenWindow(kMainWindowId), nullptr);
  EXPECT_FALSE(AnyWindowOpen());
  EXPECT_EQ(FindWindowW(kMainWindowClass, nullptr), nullptr);
  MSG quit = {};
  EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "a failed build must not end the loop";
  ASSERT_EQ(BuildWindow(kMainWindowId), 1) << "a later build still works";
  DestroyWindow(FindOpenWindow(kMainWindowId));
  PumpMessages(20);
  DiscardQuitMessage();
}
#endif

TEST(BuildWindowClose, ClosingTheLastWindowPostsQuitWithCodeZero) {
  DiscardQuitMessage();
  ASSERT_EQ(BuildWindow(kMainWindowId), 1);
  SendMessageW(FindOpenWindow(kMainWindowId), WM_CLOSE, 0, 0);
  EXPECT_FALSE(AnyWindowOpen());
  MSG quit = {};
  ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 0u);
}

}  // namespace
}  // namespace quorvane
