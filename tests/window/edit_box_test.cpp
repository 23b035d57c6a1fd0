#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

#include "window/control_ids.h"
#include "window/edit_box.h"
#include "window/gdi_handles.h"
#include "window_test_support.h"

namespace quorvane {
namespace {

using namespace controls;
using namespace testing_support;

TEST(CentredLine, MovesTheLineDownByHalfTheSpareHeightTruncated) {
  const struct {
    RECT area;
    int line;
    LONG top;
    const char* why;
  } cases[] = {
      {{0, 2, 76, 18}, 13, 3, "16 high, 13-pixel line: 3 / 2 = 1"},
      {{0, 0, 76, 16}, 12, 2, "even spare height"},
      {{0, 0, 76, 13}, 13, 0, "exactly one line"},
      {{0, 0, 76, 12}, 15, -1, "a line taller than the area: -3 / 2 truncates to -1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const RECT line = CentredLine(c.area, c.line);
    EXPECT_EQ(line.top, c.top);
    EXPECT_EQ(line.bottom - line.top, c.line);
    EXPECT_EQ(line.left, c.area.left);
    EXPECT_EQ(line.right, c.area.right);
  }
}

int LineHeightOf(HWND box) {
  ScopedClientDc dc(box);
  ScopedSelection font(dc.Dc(), reinterpret_cast<HGDIOBJ>(SendMessageW(box, WM_GETFONT, 0, 0)));
  SIZE extent = {};
  GetTextExtentPoint32W(dc.Dc(), L"W", 1, &extent);
  return extent.cy;
}

using EditBoxTest = MainWindowTest;

// The text area is one line high and sits in the middle of the space inside the sunken edge.
TEST_F(EditBoxTest, TheTextAreaIsOneLineInTheMiddleOfTheBox) {
  for (std::uint32_t id : {框架左眼, 框架右眼, 左眼散光, 右眼散光, 隐形左眼, 隐形右眼}) {
    SCOPED_TRACE(testing::Message() << std::hex << id);
    HWND box = Control(id);
    RECT outer = {};
    GetWindowRect(box, &outer);
    RECT text_area = {};
    GetClientRect(box, &text_area);
    MapWindowPoints(box, nullptr, reinterpret_cast<POINT*>(&text_area), 2);
    const int line = LineHeightOf(box);
    const int edge = GetSystemMetrics(SM_CYEDGE);
    const int inside = (outer.bottom - outer.top) - 2 * edge;
    EXPECT_EQ(outer.bottom - outer.top, 20) << "never raised";
    EXPECT_EQ(text_area.bottom - text_area.top, line);
    EXPECT_EQ(text_area.top - (outer.top + edge), (inside - line) / 2);
  }
}

// The strips above and below the line show the box's white background, not the face colour.
TEST_F(EditBoxTest, TheStripsAroundTheLineArePaintedWhite) {
  HWND box = Control(框架左眼);
  RedrawWindow(box, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  PumpMessages();
  RECT outer = {};
  GetWindowRect(box, &outer);
  RECT text_area = {};
  GetClientRect(box, &text_area);
  MapWindowPoints(box, nullptr, reinterpret_cast<POINT*>(&text_area), 2);
  const int edge = GetSystemMetrics(SM_CYEDGE);
  ASSERT_GT(text_area.top, outer.top + edge) << "there is a strip above the line";
  ScopedWindowDc dc(box);
  const int x = (outer.right - outer.left) / 2;
  EXPECT_EQ(GetPixel(dc.Dc(), x, edge), RGB(255, 255, 255)) << "strip above";
  EXPECT_EQ(GetPixel(dc.Dc(), x, (outer.bottom - outer.top) - edge - 1), RGB(255, 255, 255)) << "strip below";
}

TEST_F(EditBoxTest, TypedTextIsKeptWhole) {
  HWND box = Control(框架左眼);
  SetFocus(box);
  for (WORD key : {WORD('4'), WORD('0'), WORD('0')}) {
    PressKey(key);
  }
  EXPECT_EQ(TextOf(box), L"400");
}

}  // namespace
}  // namespace quorvane
