#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "window/control_ids.h"
#include "window/control_text.h"
#include "window/convert_command.h"
#include "window_test_support.h"

namespace quorvane {
namespace {

using namespace controls;
using namespace testing_support;

void Click() {
  SendMessageW(Control(按钮1), BM_CLICK, 0, 0);
  PumpMessages(10);
}

using ConvertTest = MainWindowTest;

TEST_F(ConvertTest, AClickFillsBothResultsFromTheFourBoxes) {
  const struct {
    const wchar_t* left_spectacle;
    const wchar_t* left_cylinder;
    const wchar_t* right_spectacle;
    const wchar_t* right_cylinder;
    const wchar_t* left_result;
    const wchar_t* right_result;
    const char* why;
  } cases[] = {
      {L"", L"", L"", L"", L"0", L"0", "all empty: both results are written anyway"},
      {L"400", L"", L"", L"", L"382", L"0", "the window's own example"},
      {L"", L"", L"400", L"", L"0", L"382", "right eye alone"},
      {L"300", L"75", L"-300", L"-50", L"324", L"-338", "half a cylinder either way"},
      {L"４００", L"", L"－３００", L"", L"382", L"-311", "full-width digits and minus"},
      {L"400度", L"abc", L"四百", L"1,500", L"382", L"0", "letters count as what they start with: s = 0.5"},
      {L"400.9", L"", L"-0.9", L"", L"382", L"0", "fractions are cut, not rounded"},
      {L"1e400", L"", L"1e19", L"", L"0", L"0", "beyond the range: 0"},
      {L"-8333", L"", L"-8333", L"-1", L"-208325000", L"416675000", "on either side of the pole"},
      {L"　400", L"", L" \t400", L"", L"382", L"382", "leading ideographic space, blanks and tab"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    SetWindowTextW(Control(框架左眼), c.left_spectacle);
    SetWindowTextW(Control(左眼散光), c.left_cylinder);
    SetWindowTextW(Control(框架右眼), c.right_spectacle);
    SetWindowTextW(Control(右眼散光), c.right_cylinder);
    Click();
    EXPECT_EQ(TextOf(Control(隐形左眼)), c.left_result);
    EXPECT_EQ(TextOf(Control(隐形右眼)), c.right_result);
  }
}

TEST_F(ConvertTest, WhatWasTypedIntoAResultBoxIsReplacedWhole) {
  SetWindowTextW(Control(隐形左眼), L"a long note typed by hand");
  SetWindowTextW(Control(隐形右眼), L"x");
  SetWindowTextW(Control(框架左眼), L"100");
  Click();
  EXPECT_EQ(TextOf(Control(隐形左眼)), L"99");
  EXPECT_EQ(TextOf(Control(隐形右眼)), L"0");
  Click();
  EXPECT_EQ(TextOf(Control(隐形左眼)), L"99") << "a second click writes the same";
}

// Records what the left result box shows when the right spectacle box is read.
LRESULT CALLBACK SpyOnRead(HWND box, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR seen) {
  if (message == WM_GETTEXT) {
    *reinterpret_cast<std::wstring*>(seen) = TextOf(Control(隐形左眼));
  }
  return DefSubclassProc(box, message, wparam, lparam);
}

TEST_F(ConvertTest, TheLeftResultIsWrittenBeforeTheRightEyeIsRead) {
  SetWindowTextW(Control(框架左眼), L"400");
  SetWindowTextW(Control(框架右眼), L"100");
  std::wstring left_result_when_right_read;
  ASSERT_TRUE(SetWindowSubclass(Control(框架右眼), SpyOnRead, 1, reinterpret_cast<DWORD_PTR>(&left_result_when_right_read)));
  Click();
  RemoveWindowSubclass(Control(框架右眼), SpyOnRead, 1);
  EXPECT_EQ(left_result_when_right_read, L"382");
  EXPECT_EQ(TextOf(Control(隐形右眼)), L"99");
}

TEST_F(ConvertTest, EnterOnTheFocusedButtonDoesNotConvert) {
  SetWindowTextW(Control(框架左眼), L"400");
  SetFocus(Control(按钮1));
  PressKey(VK_RETURN);
  EXPECT_EQ(TextOf(Control(隐形左眼)), L"");
  PressKey(VK_SPACE);  // the platform's own way to press a focused button is a click
  EXPECT_EQ(TextOf(Control(隐形左眼)), L"382");
}

// Puts text on the clipboard and pastes it into the box, as a user would.
void Paste(HWND box, const std::wstring& text) {
  ASSERT_TRUE(OpenClipboard(GetParent(box)));
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  ASSERT_NE(memory, nullptr);
  std::memcpy(GlobalLock(memory), text.c_str(), bytes);
  GlobalUnlock(memory);
  ASSERT_NE(SetClipboardData(CF_UNICODETEXT, memory), nullptr);
  CloseClipboard();
  SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
  SetFocus(box);
  SendMessageW(box, WM_PASTE, 0, 0);
}

// Longer than the 30,000 characters a box takes by default. (Wine's single-line edit control
// takes time quadratic in the length to lay a text out, about 14 s for 100,000 characters, so
// a megabyte is read through the conversions' own tests instead.)
TEST_F(ConvertTest, ALongPastedFieldIsReadWholeAndConverts) {
  std::wstring field = L"400.";
  field.append(40'000, L'0');
  field += L"9";
  Paste(Control(框架左眼), field);
  ASSERT_EQ(static_cast<std::size_t>(GetWindowTextLengthW(Control(框架左眼))), field.size()) << "nothing cut";
  std::wstring cylinder(40'000, L'0');
  cylinder += L"50";
  ASSERT_TRUE(SetWindowTextW(Control(左眼散光), cylinder.c_str()));
  Click();
  EXPECT_EQ(TextOf(Control(隐形左眼)), L"404") << "400 and 50 read past 40,000 zeros each: s = 425";
}

TEST_F(ConvertTest, FieldTextsReachTheConversionsAsGbk) {
  const struct {
    const wchar_t* shown;
    const char* gbk;
  } cases[] = {
      {L"四百", "\xCB\xC4\xB0\xD9"},
      {L"４００", "\xA3\xB4\xA3\xB0\xA3\xB0"},
      {L"　1", "\xA1\xA1" "1"},
      {L"400度", "400\xB6\xC8"},
  };
  for (const auto& c : cases) {
    SetWindowTextW(Control(框架左眼), c.shown);
    OwnedText text = ReadControlText(kMainWindowId, 框架左眼);
    ASSERT_FALSE(text.IsNone());
    EXPECT_STREQ(text.Bytes(), c.gbk);
  }
  SetWindowTextW(Control(框架左眼), L"");
  EXPECT_TRUE(ReadControlText(kMainWindowId, 框架左眼).IsNone()) << "an empty box gives none";
  WriteControlText(kMainWindowId, 隐形左眼, "\xCB\xC4\xB0\xD9");
  EXPECT_EQ(TextOf(Control(隐形左眼)), L"四百");
  WriteControlText(kMainWindowId, 隐形左眼, nullptr);
  EXPECT_EQ(TextOf(Control(隐形左眼)), L"") << "none writes the empty text";
}

// A heap that refuses, remembering how much was asked for.
std::size_t refused_bytes = 0;
void* Refuse(std::size_t) noexcept { return nullptr; }
void NeverCalled(void*) noexcept { ADD_FAILURE() << "nothing was handed out"; }
void RememberRefusal(std::size_t bytes) noexcept { refused_bytes = bytes; }
const TextHeap kRefusingHeap = {Refuse, NeverCalled, RememberRefusal};

TEST_F(ConvertTest, ARefusedTextIsReportedWithItsByteCount) {
  const TextHeap& saved = CurrentTextHeap();
  UseTextHeap(kRefusingHeap);
  refused_bytes = 0;
  SetWindowTextW(Control(框架左眼), L"400");
  OwnedText text = ReadControlText(kMainWindowId, 框架左眼);
  UseTextHeap(saved);
  EXPECT_TRUE(text.IsNone());
  EXPECT_EQ(refused_bytes, 4u) << "three bytes and the terminating zero";
}

// A click raised while the window is still being built reaches no routine: the result
// boxes, which already exist by then, stay empty.
HHOOK build_hook = nullptr;
LRESULT CALLBACK ClickDuringBuild(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_CREATEWND) {
    const auto* creation = reinterpret_cast<CBT_CREATEWNDW*>(lparam)->lpcs;
    HWND parent = creation->hwndParent;
    HWND button = parent != nullptr ? GetDlgItem(parent, static_cast<int>(按钮1)) : nullptr;
    if (button != nullptr) {
      SendMessageW(button, BM_CLICK, 0, 0);
    }
  }
  return CallNextHookEx(build_hook, code, wparam, lparam);
}

TEST(ConvertDuringBuild, AClickWhileBuildingReachesNoRoutine) {
  DiscardQuitMessage();
  build_hook = SetWindowsHookExW(WH_CBT, ClickDuringBuild, nullptr, GetCurrentThreadId());
  ASSERT_NE(build_hook, nullptr);
  const int built = BuildWindow(kMainWindowId);
  UnhookWindowsHookEx(build_hook);
  ASSERT_EQ(built, 1);
  PumpMessages();
  EXPECT_EQ(TextOf(Control(隐形左眼)), L"");
  EXPECT_EQ(TextOf(Control(隐形右眼)), L"");
  Click();
  EXPECT_EQ(TextOf(Control(隐形左眼)), L"0") << "once built, a click converts";
  DestroyWindow(FindOpenWindow(kMainWindowId));
  PumpMessages(20);
  DiscardQuitMessage();
}

}  // namespace
}  // namespace quorvane
