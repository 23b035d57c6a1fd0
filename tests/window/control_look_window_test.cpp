// The themed look on the real main window: which controls it takes over and when, how it
// follows their state, and switching it off, on and between schemes. After a change of state
// the screen is read without pumping messages first: the look repaints at once.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <string>

#include "canvas.h"
#include "control_look_test_support.h"
#include "window/control_ids.h"
#include "window/control_look_schemes.h"
#include "window/control_look_takeover.h"
#include "window/test_hooks.h"
#include "window/window_look.h"
#include "window_test_support.h"

namespace quorvane {
namespace {

using namespace controls;
using namespace testing_support;

const std::uint32_t kEditBoxes[] = {框架左眼, 框架右眼, 左眼散光, 右眼散光, 隐形左眼, 隐形右眼};
const std::uint32_t kLabels[] = {标签1, 标签2, 标签3, 标签4, 标签5, 标签6, 标签7, 标签8};
constexpr std::size_t kMainWindowTakeOvers = 7;  // the convert button and six edit boxes

constexpr COLORREF kBorder1 = RGB(0, 60, 115);
constexpr COLORREF kEditRing1 = RGB(123, 158, 189);

// The state the look holds for a control; a failure at the caller's line when it holds none.
ControlState LookState(HWND control, const char* file, int line) {
  const TakenOverControl* look = FindTakenOver(control);
  if (look == nullptr) {
    ADD_FAILURE_AT(file, line) << "the control is not taken over";
    return {};
  }
  return look->state;
}
#define LOOK_STATE(control) LookState((control), __FILE__, __LINE__)

std::optional<LookKind> KindOf(HWND control) {
  const TakenOverControl* look = FindTakenOver(control);
  return look != nullptr ? std::optional<LookKind>(look->kind) : std::nullopt;
}

// Copies what the screen shows of a window into a canvas.
void Capture(HWND window, Canvas& canvas) {
  ScopedWindowDc dc(window);
  BitBlt(canvas.Dc(), 0, 0, canvas.Width(), canvas.Height(), dc.Dc(), 0, 0, SRCCOPY);
}

// The bounding box of the dark (caption) pixels in the button's inner area.
RECT CaptionInk(HWND button) {
  Canvas canvas(160, 32);
  Capture(button, canvas);
  RECT ink = {160, 32, -1, -1};
  for (int y = 7; y < 25; ++y) {
    for (int x = 7; x < 153; ++x) {
      const COLORREF c = canvas.At(x, y);
      if (GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100) {
        ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y), std::max<LONG>(ink.right, x + 1),
               std::max<LONG>(ink.bottom, y + 1)};
      }
    }
  }
  return ink;
}

// Dark pixels along one row of the button: a dotted focus rectangle inverts every other one.
int DarkPixelsInRow(HWND button, int y) {
  Canvas canvas(160, 32);
  Capture(button, canvas);
  int dark = 0;
  for (int x = 6; x < 154; ++x) {
    const COLORREF c = canvas.At(x, y);
    dark += GetRValue(c) < 64 && GetGValue(c) < 64 && GetBValue(c) < 64 ? 1 : 0;
  }
  return dark;
}

POINT ClientToScreenPoint(HWND window, int x, int y) {
  POINT point = {x, y};
  ClientToScreen(window, &point);
  return point;
}

class LookWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MoveMouseTo(1, 1);  // well away from the window, so nothing starts out hot
    MainWindowTest::SetUp();
    button_ = Control(按钮1);
  }
  void TearDown() override {
#ifdef QUORVANE_TEST_HOOKS
    test_hooks::refuse_creation_hook = false;
#endif
    SetControlLook(1);
    SendMouse(MOUSEEVENTF_LEFTUP);
    MoveMouseTo(1, 1);
    MainWindowTest::TearDown();
  }

  // A control made by the test, in a window of its own beside the main window (which has no
  // room to spare); destroyed with the main window, which owns that window.
  HWND CreateChild(const wchar_t* window_class, DWORD style, DWORD extended_style = 0, int height = 24,
                   const wchar_t* text = L"Test") {
    if (container_ == nullptr) {
      container_ = CreateWindowExW(WS_EX_NOACTIVATE, L"Static", L"", WS_POPUP, 40, 40, 300, 200, window_, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
      ShowWindow(container_, SW_SHOWNA);
    }
    return CreateWindowExW(extended_style, window_class, text, WS_CHILD | WS_VISIBLE | style, 10, 10, 160, height,
                           container_, nullptr, GetModuleHandleW(nullptr), nullptr);
  }

  // Compares the convert button with a button the platform paints, made while the look is
  // off with the same styles, caption and font; counts the face pixels that differ.
  int PixelsUnlikeThePlatformsOwnButton() {
    const HWND reference = CreateChild(L"Button",
                                       static_cast<DWORD>(GetWindowLongPtrW(button_, GWL_STYLE)) &
                                           ~static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_TABSTOP),
                                       0, 32, TextOf(button_).c_str());
    SendMessageW(reference, WM_SETFONT, SendMessageW(button_, WM_GETFONT, 0, 0), TRUE);
    PumpMessages(20);
    Canvas ours(160, 32);
    Capture(button_, ours);
    Canvas platform(160, 32);
    Capture(reference, platform);
    DestroyWindow(reference);
    int differing = 0;
    for (int y = 2; y < 30; ++y) {
      for (int x = 2; x < 158; ++x) {
        differing += ours.At(x, y) != platform.At(x, y) ? 1 : 0;
      }
    }
    return differing;
  }

  HWND button_ = nullptr;
  HWND container_ = nullptr;
};

TEST_F(LookWindowTest, TheConvertButtonAndTheSixEditBoxesAreTakenOverAndTheLabelsAreNot) {
  EXPECT_TRUE(ControlLookOn());
  EXPECT_EQ(CurrentLookScheme(), 1);
  EXPECT_EQ(TakenOverCount(), kMainWindowTakeOvers);
  EXPECT_EQ(KindOf(button_), LookKind::kPushButton);
  EXPECT_SCREEN_PIXEL(button_, 80, 2, kBorder1, "the button's border");
  EXPECT_SCREEN_PIXEL(button_, 80, 3, RGB(255, 255, 255), "the normal band");
  EXPECT_SCREEN_PIXEL(button_, 80, 28, RGB(226, 223, 214), "the normal band, bottom");
  for (std::uint32_t id : kEditBoxes) {
    SCOPED_TRACE(testing::Message() << "edit box 0x" << std::hex << id);
    const HWND box = Control(id);
    EXPECT_EQ(KindOf(box), LookKind::kEditBox);
    EXPECT_FALSE(LOOK_STATE(box).read_only);
    EXPECT_SCREEN_PIXEL(box, 40, 0, kEditRing1, "outer ring, whether focused or not");
    EXPECT_SCREEN_PIXEL(box, 0, 10, kEditRing1, "outer ring, left");
    EXPECT_SCREEN_PIXEL(box, 40, 1, GetSysColor(COLOR_WINDOW), "inner ring");
    EXPECT_SCREEN_PIXEL(box, 1, 10, GetSysColor(COLOR_WINDOW), "inner ring, left");
  }
  EXPECT_TRUE(LOOK_STATE(Control(框架左眼)).focused) << "the first focus is noted";
  for (std::uint32_t id : kLabels) {
    EXPECT_EQ(FindTakenOver(Control(id)), nullptr) << "label 0x" << std::hex << id;
  }
  EXPECT_EQ(FindTakenOver(window_), nullptr) << "the window keeps its own painting";
}

// Watches for the main window being shown and notes what the look holds at that moment.
std::optional<std::size_t> taken_over_when_shown;
LRESULT CALLBACK WatchFirstShow(int code, WPARAM wparam, LPARAM lparam) {
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(lparam);
  if (code == HC_ACTION && message->message == WM_SHOWWINDOW && message->wParam != FALSE && !taken_over_when_shown &&
      ClassOf(message->hwnd) == kMainWindowClass) {
    taken_over_when_shown = TakenOverCount();
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

// The created event comes after the controls exist and before the window is shown; the
// look, off until then, takes the existing controls over in time.
TEST(LookBeforeShowing, TheControlsAreTakenOverBeforeTheWindowIsFirstShown) {
  DiscardQuitMessage();
  ASSERT_EQ(SetControlLook(0), 1);
  taken_over_when_shown.reset();
  HHOOK watch = SetWindowsHookExW(WH_CALLWNDPROC, WatchFirstShow, nullptr, GetCurrentThreadId());
  ASSERT_NE(watch, nullptr);
  const int built = BuildWindow(kMainWindowId);
  UnhookWindowsHookEx(watch);
  EXPECT_EQ(built, 1);
  ASSERT_TRUE(taken_over_when_shown.has_value()) << "the window was shown";
  EXPECT_EQ(*taken_over_when_shown, kMainWindowTakeOvers);
  DestroyWindow(FindOpenWindow(kMainWindowId));
  PumpMessages(20);
  EXPECT_EQ(TakenOverCount(), 0u) << "each control is given up as it is destroyed";
  EXPECT_TRUE(ControlLookOn()) << "while the look stays on";
  DiscardQuitMessage();
}

TEST_F(LookWindowTest, TheMouseOverTheButtonMakesItHotUntilItLeaves) {
  const POINT centre = OnScreen(button_, 80, 16);
  MoveMouseTo(centre.x, centre.y);
  ASSERT_TRUE(PumpUntil([&] { return LOOK_STATE(button_).hot; })) << "entering makes it hot";
  PumpMessages(20);
  EXPECT_SCREEN_PIXEL(button_, 80, 3, RGB(255, 240, 207), "hot band, light yellow at the top");
  EXPECT_SCREEN_PIXEL(button_, 80, 28, RGB(229, 151, 0), "orange at the bottom");
  EXPECT_SCREEN_PIXEL(button_, 80, 5, RGB(252, 252, 251), "inner gradient");
  MoveMouseTo(1, 1);
  ASSERT_TRUE(PumpUntil([&] { return !LOOK_STATE(button_).hot; })) << "leaving ends it";
  PumpMessages(20);
  EXPECT_SCREEN_PIXEL(button_, 80, 3, RGB(255, 255, 255), "the normal look again");
}

TEST_F(LookWindowTest, EnteringWithTheLeftButtonHeldDoesNotMakeItHot) {
  const POINT beside = ClientToScreenPoint(window_, 202, 136);  // between a result box and the button
  const POINT centre = OnScreen(button_, 80, 16);
  MoveMouseTo(beside.x, beside.y);
  PumpMessages(30);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  PumpMessages(30);
  MoveMouseTo(centre.x, centre.y);
  PumpMessages(150);
  POINT cursor = {};
  GetCursorPos(&cursor);
  EXPECT_EQ(WindowFromPoint(cursor), button_) << "the pointer is over the button";
  EXPECT_FALSE(LOOK_STATE(button_).hot);
  EXPECT_SCREEN_PIXEL(button_, 80, 3, RGB(255, 255, 255), "still the normal band");
  MoveMouseTo(beside.x, beside.y);
  PumpMessages(30);
  SendMouse(MOUSEEVENTF_LEFTUP);
  PumpMessages(30);
  MoveMouseTo(centre.x, centre.y);
  EXPECT_TRUE(PumpUntil([&] { return LOOK_STATE(button_).hot; })) << "with the button up, the same move does";
}

// Sent moves carry the button flag themselves; the pointer is over the button meanwhile, so
// the platform does not report a leave at once.
TEST_F(LookWindowTest, AMoveFlaggedWithTheLeftButtonDoesNotMakeItHot) {
  const POINT centre = OnScreen(button_, 80, 16);
  SetCursorPos(centre.x, centre.y);
  PumpMessages(30);
  SendMessageW(button_, WM_MOUSELEAVE, 0, 0);
  SendMessageW(button_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(80, 16));
  EXPECT_FALSE(LOOK_STATE(button_).hot);
  SendMessageW(button_, WM_MOUSEMOVE, 0, MAKELPARAM(80, 16));
  EXPECT_TRUE(LOOK_STATE(button_).hot);
  SendMessageW(button_, WM_MOUSEMOVE, 0, MAKELPARAM(200, 16));
  EXPECT_FALSE(LOOK_STATE(button_).hot) << "a move outside, as while the button captures the mouse";
}

TEST_F(LookWindowTest, PressingShowsThePressedColoursAndMovesTheCaption) {
  const RECT released_ink = CaptionInk(button_);
  ASSERT_LT(released_ink.left, released_ink.right) << "the caption shows";
  SendMessageW(button_, BM_SETSTATE, TRUE, 0);
  EXPECT_TRUE(LOOK_STATE(button_).pressed);
  EXPECT_SCREEN_PIXEL(button_, 80, 3, RGB(209, 204, 193), "pressed band, top");
  EXPECT_SCREEN_PIXEL(button_, 80, 28, RGB(242, 241, 238), "pressed band, bottom");
  EXPECT_SCREEN_PIXEL(button_, 5, 5, RGB(231, 227, 222), "inner gradient, top-left");
  EXPECT_SCREEN_PIXEL(button_, 154, 5, RGB(231, 231, 231), "inner gradient, top-right");
  const RECT pressed_ink = CaptionInk(button_);
  EXPECT_EQ(pressed_ink.left, released_ink.left + 1);
  EXPECT_EQ(pressed_ink.top, released_ink.top + 1);
  EXPECT_EQ(pressed_ink.right, released_ink.right + 1);
  EXPECT_EQ(pressed_ink.bottom, released_ink.bottom + 1);
  SendMessageW(button_, BM_SETSTATE, FALSE, 0);
  EXPECT_FALSE(LOOK_STATE(button_).pressed);
  EXPECT_SCREEN_PIXEL(button_, 80, 3, RGB(255, 255, 255), "released");
}

TEST_F(LookWindowTest, AClickWithTheMousePressesAndFocusesTheButton) {
  const POINT centre = OnScreen(button_, 80, 16);
  MoveMouseTo(centre.x, centre.y);
  PumpUntil([&] { return LOOK_STATE(button_).hot; });
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(PumpUntil([&] { return LOOK_STATE(button_).pressed; }));
  PumpMessages(20);
  EXPECT_TRUE(LOOK_STATE(button_).focused);
  EXPECT_SCREEN_PIXEL(button_, 80, 3, RGB(209, 204, 193), "pressed beats hot and focused");
  SendMouse(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(PumpUntil([&] { return !LOOK_STATE(button_).pressed; }));
  PumpMessages(20);
  EXPECT_SCREEN_PIXEL(button_, 80, 3, RGB(255, 240, 207), "hot again after the click");
  EXPECT_EQ(TextOf(Control(隐形左眼)), L"0") << "the click still converts";
}

TEST_F(LookWindowTest, FocusGivesTheBlueBandAndADottedRectangle) {
  EXPECT_EQ(DarkPixelsInRow(button_, 6), 0) << "no focus rectangle yet";
  SetFocus(button_);
  EXPECT_TRUE(LOOK_STATE(button_).focused);
  EXPECT_SCREEN_PIXEL(button_, 80, 3, RGB(206, 231, 255), "focus band, top");
  EXPECT_SCREEN_PIXEL(button_, 80, 28, RGB(105, 130, 238), "focus band, bottom");
  const int dots = DarkPixelsInRow(button_, 6);
  EXPECT_GT(dots, 148 / 3) << "a dotted line along the top of the focus rectangle";
  EXPECT_LT(dots, 148 * 2 / 3);
  SetFocus(Control(框架右眼));
  EXPECT_FALSE(LOOK_STATE(button_).focused);
  EXPECT_TRUE(LOOK_STATE(Control(框架右眼)).focused);
  EXPECT_SCREEN_PIXEL(button_, 80, 3, RGB(255, 255, 255), "normal again");
  EXPECT_EQ(DarkPixelsInRow(button_, 6), 0);
  EXPECT_SCREEN_PIXEL(Control(框架右眼), 40, 0, kEditRing1, "an edit box's frame ignores focus");
  EXPECT_SCREEN_PIXEL(Control(框架右眼), 40, 1, GetSysColor(COLOR_WINDOW), "inner ring too");
}

TEST_F(LookWindowTest, TabbingOntoTheButtonFocusesItsLook) {
  SetFocus(Control(右眼散光));
  PressKey(VK_TAB);
  ASSERT_EQ(GetFocus(), button_);
  EXPECT_TRUE(LOOK_STATE(button_).focused);
  EXPECT_SCREEN_PIXEL(button_, 80, 3, RGB(206, 231, 255), "focus band");
}

TEST_F(LookWindowTest, TheDefaultPushStyleGivesTheFocusBandWithoutTheDots) {
  SendMessageW(button_, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  EXPECT_TRUE(LOOK_STATE(button_).default_button);
  EXPECT_SCREEN_PIXEL(button_, 80, 3, RGB(206, 231, 255), "focus band");
  EXPECT_SCREEN_PIXEL(button_, 80, 2, kBorder1, "the look's border, not the platform's default frame");
  EXPECT_EQ(DarkPixelsInRow(button_, 6), 0);
  SendMessageW(button_, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  EXPECT_FALSE(LOOK_STATE(button_).default_button);
  EXPECT_SCREEN_PIXEL(button_, 80, 3, RGB(255, 255, 255), "normal");
}

TEST_F(LookWindowTest, DisablingAndEnablingRepaintsButtonAndEditBox) {
  const COLORREF grey = Darkened(Face(), 32);
  const HWND box = Control(框架右眼);
  EnableWindow(button_, FALSE);
  EnableWindow(box, FALSE);
  EXPECT_TRUE(LOOK_STATE(button_).disabled);
  EXPECT_TRUE(LOOK_STATE(box).disabled);
  EXPECT_SCREEN_PIXEL(button_, 80, 2, grey, "disabled border");
  EXPECT_SCREEN_PIXEL(button_, 80, 3, RGB(245, 244, 234), "plain face");
  EXPECT_SCREEN_PIXEL(button_, 10, 16, RGB(245, 244, 234), "plain face, middle row");
  EXPECT_SCREEN_PIXEL(box, 40, 0, grey, "disabled edit box: outer ring");
  EXPECT_SCREEN_PIXEL(box, 40, 1, Face(), "inner ring");
  EnableWindow(button_, TRUE);
  EnableWindow(box, TRUE);
  EXPECT_FALSE(LOOK_STATE(button_).disabled);
  EXPECT_SCREEN_PIXEL(button_, 80, 2, kBorder1, "enabled again");
  EXPECT_SCREEN_PIXEL(box, 40, 0, kEditRing1, "enabled again");
  EXPECT_SCREEN_PIXEL(box, 40, 1, GetSysColor(COLOR_WINDOW), "enabled again");
}

TEST_F(LookWindowTest, AReadOnlyEditBoxHasAFaceColouredInnerRing) {
  const HWND box = Control(隐形左眼);
  SendMessageW(box, EM_SETREADONLY, TRUE, 0);
  EXPECT_TRUE(LOOK_STATE(box).read_only);
  EXPECT_SCREEN_PIXEL(box, 40, 1, Face(), "read-only inner ring");
  EXPECT_SCREEN_PIXEL(box, 40, 0, kEditRing1, "outer ring unchanged");
  SendMessageW(box, EM_SETREADONLY, FALSE, 0);
  EXPECT_SCREEN_PIXEL(box, 40, 1, GetSysColor(COLOR_WINDOW), "editable again");
}

// The box scrolls its text sideways as it fills; its frame and the strips around the line
// stay as the look and the box's own subclass drew them.
TEST_F(LookWindowTest, TypingPastTheEndOfAnEditBoxKeepsItsFrame) {
  const HWND box = Control(框架左眼);
  SetFocus(box);
  for (int i = 0; i < 20; ++i) {
    PressKey('8');
  }
  PumpMessages(20);
  EXPECT_EQ(TextOf(box).size(), 20u);
  EXPECT_SCREEN_PIXEL(box, 40, 0, kEditRing1, "outer ring");
  EXPECT_SCREEN_PIXEL(box, 79, 10, kEditRing1, "outer ring, right");
  EXPECT_SCREEN_PIXEL(box, 40, 1, GetSysColor(COLOR_WINDOW), "inner ring");
  EXPECT_SCREEN_PIXEL(box, 40, 2, RGB(255, 255, 255), "the white strip above the line");
}

TEST_F(LookWindowTest, ANewCaptionIsPaintedInTheLook) {
  const RECT before = CaptionInk(button_);
  SetWindowTextW(button_, L"W");
  const RECT after = CaptionInk(button_);
  EXPECT_LT(after.right - after.left, before.right - before.left) << "the shorter caption shows";
  EXPECT_SCREEN_PIXEL(button_, 80, 2, kBorder1, "in the look, not the platform's drawing");
  EXPECT_SCREEN_PIXEL(button_, 80, 3, RGB(255, 255, 255), "band");
}

HBRUSH parent_button_brush = nullptr;
LRESULT CALLBACK AnswerButtonColour(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
  if (message == WM_CTLCOLORBTN) {
    return reinterpret_cast<LRESULT>(parent_button_brush);
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

TEST_F(LookWindowTest, TheOuterAreaTakesTheBrushTheParentGivesItsButtonsAtEachErase) {
  ScopedBrush red(CreateSolidBrush(RGB(200, 0, 0)));
  parent_button_brush = red.Get();
  ASSERT_TRUE(SetWindowSubclass(window_, AnswerButtonColour, 1, 0));
  RedrawWindow(button_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  PumpMessages(20);
  EXPECT_SCREEN_PIXEL(button_, 80, 0, RGB(200, 0, 0), "the parent's brush");
  EXPECT_SCREEN_PIXEL(button_, 0, 16, RGB(200, 0, 0), "the parent's brush, left");
  EXPECT_SCREEN_PIXEL(button_, 80, 1, Face(), "the face ring inside it");
  RemoveWindowSubclass(window_, AnswerButtonColour, 1);
  RedrawWindow(button_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  PumpMessages(20);
  EXPECT_SCREEN_PIXEL(button_, 80, 0, Face(), "the platform's button face brush again");
}

TEST_F(LookWindowTest, ANumberOutsideOneToThreeGivesEveryControlBack) {
  const HWND box = Control(框架右眼);
  const int cases[] = {0, -1, 4, INT_MIN, INT_MAX};
  for (int scheme : cases) {
    SCOPED_TRACE(testing::Message() << "SetControlLook(" << scheme << ")");
    ASSERT_EQ(SetControlLook(1), 1);
    EXPECT_EQ(SetControlLook(scheme), 1) << "the look was on and the platform stopped reporting";
    EXPECT_EQ(CurrentLookScheme(), scheme) << "the number is stored all the same";
    EXPECT_FALSE(ControlLookOn());
    EXPECT_EQ(TakenOverCount(), 0u);
    PumpMessages(20);
    EXPECT_NE(ScreenPixel(button_, 80, 2), kBorder1) << "the platform's own button";
    EXPECT_EQ(PixelsUnlikeThePlatformsOwnButton(), 0);
    EXPECT_NE(ScreenPixel(box, 40, 0), kEditRing1) << "the platform's own edge";
    EXPECT_EQ(SetControlLook(scheme), 0) << "a second call finds the look off";
    const HWND later = CreateChild(L"Button", BS_PUSHBUTTON);
    EXPECT_EQ(FindTakenOver(later), nullptr) << "controls created now are not looked at";
    DestroyWindow(later);
  }
}

TEST_F(LookWindowTest, SchemesTwoAndThreeRepaintEveryControlInTheirColours) {
  const HWND box = Control(左眼散光);
  const struct {
    int scheme;
    COLORREF border;
    COLORREF edit_ring;
    const char* why;
  } cases[] = {
      {2, RGB(55, 98, 6), RGB(164, 185, 127), "green"},
      {3, RGB(0, 60, 116), RGB(198, 197, 215), "silver"},
      {1, kBorder1, kEditRing1, "and back to blue"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(SetControlLook(c.scheme), 1);
    EXPECT_EQ(TakenOverCount(), kMainWindowTakeOvers);
    EXPECT_SCREEN_PIXEL(button_, 80, 2, c.border, "button border");
    EXPECT_SCREEN_PIXEL(button_, 80, 3, SchemeColours(c.scheme).normal.band.top_left, "the scheme's normal band");
    EXPECT_SCREEN_PIXEL(box, 40, 0, c.edit_ring, "edit box outer ring");
  }
}

TEST_F(LookWindowTest, SwitchingOnAgainNeverTakesAControlOverTwice) {
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(SetControlLook(1), 1);
  }
  EXPECT_EQ(TakenOverCount(), kMainWindowTakeOvers);
  const HWND later = CreateChild(L"Button", BS_PUSHBUTTON);
  ASSERT_NE(FindTakenOver(later), nullptr);
  EXPECT_EQ(SetControlLook(2), 1);
  EXPECT_EQ(TakenOverCount(), kMainWindowTakeOvers + 1);
  // Were any control subclassed twice, switching off once would leave it in the look.
  EXPECT_EQ(SetControlLook(0), 1);
  PumpMessages(20);
  for (HWND control : {button_, later}) {
    EXPECT_NE(ScreenPixel(control, 80, 2), RGB(55, 98, 6)) << "given back whole";
  }
}

#ifdef QUORVANE_TEST_HOOKS
TEST_F(LookWindowTest, WithoutCreationReportsTheExistingControlsAreStillTakenOver) {
  test_hooks::refuse_creation_hook = true;
  EXPECT_EQ(SetControlLook(1), 1) << "switching on reports success all the same";
  EXPECT_EQ(TakenOverCount(), kMainWindowTakeOvers);
  const HWND later = CreateChild(L"Button", BS_PUSHBUTTON);
  EXPECT_EQ(FindTakenOver(later), nullptr) << "nothing reports it";
  EXPECT_EQ(SetControlLook(0), 0) << "no report to stop";
  EXPECT_EQ(TakenOverCount(), 0u) << "the controls are given back all the same";
  PumpMessages(20);
  EXPECT_NE(ScreenPixel(button_, 80, 2), kBorder1);
  EXPECT_EQ(SetControlLook(0), 0);
}
#endif

TEST_F(LookWindowTest, ADestroyedControlIsGivenUp) {
  const HWND later = CreateChild(L"Button", BS_PUSHBUTTON);
  EXPECT_EQ(TakenOverCount(), kMainWindowTakeOvers + 1);
  DestroyWindow(later);
  EXPECT_EQ(TakenOverCount(), kMainWindowTakeOvers);
  EXPECT_EQ(FindTakenOver(later), nullptr);
}

// Controls of every kind, created while the look is on (reported at creation) and created
// before it is switched on (found among the thread's windows).
TEST_F(LookWindowTest, CoveredKindsAreTakenOverWhenCreatedAndWhenFound) {
  const INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&classes);
  const std::optional<LookKind> none;
  const struct {
    const wchar_t* window_class;
    DWORD style;
    DWORD extended_style;
    std::optional<LookKind> when_created;
    std::optional<LookKind> when_found;
    const char* why;
  } cases[] = {
      {L"Button", BS_PUSHBUTTON, 0, LookKind::kPushButton, LookKind::kPushButton, "push button"},
      {L"Button", BS_DEFPUSHBUTTON, 0, LookKind::kPushButton, LookKind::kPushButton, "default push button"},
      {L"Button", BS_AUTOCHECKBOX | BS_PUSHLIKE, 0, LookKind::kPushButton, LookKind::kPushButton, "push-like"},
      {L"Button", BS_AUTOCHECKBOX, 0, LookKind::kCheckBox, LookKind::kCheckBox, "check box"},
      {L"Button", BS_AUTORADIOBUTTON, 0, LookKind::kRadioButton, LookKind::kRadioButton, "radio button"},
      {L"Button", BS_GROUPBOX, 0, LookKind::kGroupBox, LookKind::kGroupBox, "group box"},
      {L"Button", BS_OWNERDRAW, 0, none, none, "owner-drawn"},
      {L"Edit", WS_BORDER, 0, LookKind::kEditBox, none,
       "the box drops WS_BORDER from its style as it is made: only its creation shows the border"},
      {L"Edit", 0, WS_EX_CLIENTEDGE, LookKind::kEditBox, LookKind::kEditBox, "sunken edit box"},
      {L"Edit", 0, WS_EX_STATICEDGE, LookKind::kEditBox, LookKind::kEditBox, "static edge"},
      {L"Edit", 0, 0, none, none, "no frame at all"},
      {L"ComboBox", CBS_DROPDOWNLIST, 0, LookKind::kComboBox, LookKind::kComboBox, "drop-down list"},
      {L"ComboBox", CBS_DROPDOWN, 0, LookKind::kComboBox, LookKind::kComboBox, "drop-down with an edit field"},
      {L"ComboBox", CBS_SIMPLE, 0, none, none, "simple combo box"},
      {UPDOWN_CLASSW, 0, 0, LookKind::kUpDown, LookKind::kUpDown, "up-down"},
      {L"Static", SS_LEFT, 0, none, none, "static text"},
      {kLabelClass, 0, 0, none, none, "the program's label"},
      {L"ListBox", WS_BORDER, 0, none, none, "a list box"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    for (bool created_while_on : {true, false}) {
      SCOPED_TRACE(created_while_on ? "created while on" : "found when switched on");
      ASSERT_EQ(SetControlLook(created_while_on ? 1 : 0), 1) << "the look was on";
      const HWND control = CreateChild(c.window_class, c.style, c.extended_style, 100);
      ASSERT_NE(control, nullptr);
      if (!created_while_on) {
        EXPECT_EQ(FindTakenOver(control), nullptr);
        ASSERT_EQ(SetControlLook(1), 1);
      }
      const std::optional<LookKind> expected = created_while_on ? c.when_created : c.when_found;
      EXPECT_EQ(KindOf(control), expected);
      COMBOBOXINFO combo = {};
      combo.cbSize = sizeof combo;
      const bool has_list = expected == LookKind::kComboBox && GetComboBoxInfo(control, &combo);
      if (has_list) {
        EXPECT_EQ(KindOf(combo.hwndList), LookKind::kComboList) << "and its drop-down list";
        EXPECT_EQ(KindOf(combo.hwndItem), std::nullopt) << "but not its frameless edit field";
      }
      const std::size_t extra = (expected ? 1 : 0) + (has_list ? 1 : 0);
      EXPECT_EQ(TakenOverCount(), kMainWindowTakeOvers + extra);
      PumpMessages(10);
      DestroyWindow(control);
      EXPECT_EQ(TakenOverCount(), kMainWindowTakeOvers) << "given up with it";
    }
  }
  const HWND top_level = CreateWindowExW(0, L"Button", L"Top", WS_POPUP | BS_PUSHBUTTON, 0, 0, 50, 20, nullptr, nullptr,
                                         GetModuleHandleW(nullptr), nullptr);
  EXPECT_EQ(FindTakenOver(top_level), nullptr) << "a top-level window keeps its own painting";
  DestroyWindow(top_level);
}

TEST_F(LookWindowTest, TakingOverNotesTheStateTheControlIsIn) {
  ASSERT_EQ(SetControlLook(0), 1);
  const HWND disabled_default = CreateChild(L"Button", WS_DISABLED | BS_DEFPUSHBUTTON);
  const HWND checked = CreateChild(L"Button", BS_AUTOCHECKBOX | BS_PUSHLIKE);
  SendMessageW(checked, BM_SETCHECK, BST_CHECKED, 0);
  const HWND indeterminate = CreateChild(L"Button", BS_AUTO3STATE);
  SendMessageW(indeterminate, BM_SETCHECK, BST_INDETERMINATE, 0);
  const HWND read_only = CreateChild(L"Edit", ES_READONLY, WS_EX_CLIENTEDGE);
  SetFocus(button_);
  ASSERT_EQ(SetControlLook(1), 1);
  PumpMessages(20);
  EXPECT_TRUE(LOOK_STATE(disabled_default).disabled);
  EXPECT_TRUE(LOOK_STATE(disabled_default).default_button);
  EXPECT_TRUE(LOOK_STATE(checked).checked);
  EXPECT_FALSE(LOOK_STATE(checked).indeterminate);
  EXPECT_TRUE(LOOK_STATE(indeterminate).indeterminate);
  EXPECT_TRUE(LOOK_STATE(read_only).read_only);
  EXPECT_TRUE(LOOK_STATE(button_).focused);
  EXPECT_FALSE(LOOK_STATE(Control(框架左眼)).focused);
  for (HWND control : {disabled_default, checked, indeterminate, read_only}) {
    DestroyWindow(control);
  }
}

TEST_F(LookWindowTest, ACheckStateChangeRepaintsAPushLikeCheckBox) {
  const HWND toggle = CreateChild(L"Button", BS_AUTOCHECKBOX | BS_PUSHLIKE, 0, 32);
  PumpMessages(20);
  EXPECT_SCREEN_PIXEL(toggle, 45, 3, RGB(255, 255, 255), "unchecked: the normal band");
  SendMessageW(toggle, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_TRUE(LOOK_STATE(toggle).checked);
  EXPECT_SCREEN_PIXEL(toggle, 4, 3, RGB(214, 203, 189), "checked band, top-left");
  EXPECT_SCREEN_PIXEL(toggle, 45, 28, RGB(247, 243, 239), "checked band, bottom");
  SendMessageW(toggle, BM_SETCHECK, BST_UNCHECKED, 0);
  EXPECT_FALSE(LOOK_STATE(toggle).checked);
  EXPECT_SCREEN_PIXEL(toggle, 45, 3, RGB(255, 255, 255), "unchecked again");
  DestroyWindow(toggle);
}

// Inspects the message box from inside its own modal loop, then closes it.
struct MessageBoxProbe {
  bool found = false;
  std::optional<LookKind> ok_kind;
  ControlState ok_state;
  COLORREF ok_border = CLR_INVALID;
  int ticks = 0;
};
MessageBoxProbe message_box_probe;
constexpr const wchar_t* kProbeTitle = L"Quorvane look probe";

BOOL CALLBACK InspectIfMessageBox(HWND window, LPARAM) {
  if (TextOf(window) != kProbeTitle || !IsWindowVisible(window)) {
    return TRUE;
  }
  const HWND ok = GetDlgItem(window, IDOK);
  message_box_probe.found = true;
  if (const TakenOverControl* look = FindTakenOver(ok)) {
    message_box_probe.ok_kind = look->kind;
    message_box_probe.ok_state = look->state;
  }
  RECT place = {};
  GetWindowRect(ok, &place);
  message_box_probe.ok_border = ScreenPixel(ok, (place.right - place.left) / 2, 2);
  PostMessageW(window, WM_COMMAND, IDOK, 0);
  return FALSE;
}

void CALLBACK InspectMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), InspectIfMessageBox, 0);
  if (message_box_probe.found || ++message_box_probe.ticks > 200) {
    KillTimer(nullptr, timer);
  }
}

TEST_F(LookWindowTest, AMessageBoxShownWhileTheLookIsOnGetsIt) {
  message_box_probe = {};
  SetTimer(nullptr, 0, 50, InspectMessageBox);
  const int answer = MessageBoxW(window_, L"Look", kProbeTitle, MB_OK);
  EXPECT_EQ(answer, IDOK);
  ASSERT_TRUE(message_box_probe.found) << "the message box was seen";
  EXPECT_EQ(message_box_probe.ok_kind, LookKind::kPushButton) << "its OK button was taken over";
  EXPECT_TRUE(message_box_probe.ok_state.default_button);
  EXPECT_EQ(message_box_probe.ok_border, kBorder1) << ColourText(message_box_probe.ok_border);
  PumpMessages(20);
  EXPECT_EQ(TakenOverCount(), kMainWindowTakeOvers) << "its controls were given up as it closed";
}

}  // namespace
}  // namespace quorvane
