// End-to-end checks of Quorvane.exe: this driver starts the real program as a second process,
// finds its window and works it from outside, with posted messages and real input, the way a
// user or another program would.
//
// Usage: quorvane_driver [gtest options] --exe=path\to\Quorvane.exe
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "window/control_ids.h"

namespace {

namespace ids = quorvane::controls;

std::wstring g_exe_path;

// Wine can take seconds for a process's first window; a step after that is quick.
constexpr DWORD kStartDeadlineMs = 30000;
constexpr DWORD kStepDeadlineMs = 5000;
constexpr DWORD kExitDeadlineMs = 15000;
constexpr UINT kMessageTimeoutMs = 5000;

const wchar_t kMainClass[] = L"QuorvaneMainWindow";
const wchar_t kMainTitle[] = L"Quorvane";
const wchar_t kMessageBoxClass[] = L"#32770";

// The focus order of the input boxes and the button.
const std::uint32_t kTabCycle[] = {ids::框架左眼, ids::框架右眼, ids::隐形左眼, ids::隐形右眼,
                                   ids::左眼散光, ids::右眼散光, ids::按钮1};
constexpr std::size_t kTabCycleLength = sizeof(kTabCycle) / sizeof(kTabCycle[0]);

// Where a helper was called from, so its failures point at the test's line. A helper takes
// `Site site = {}` last; the builtins in the constructor's default arguments then give the
// caller's place (GCC, Clang and MSVC all have them).
struct Site {
  Site(const char* file_name = __builtin_FILE(), int line_number = __builtin_LINE())
      : file(file_name), line(line_number) {}
  const char* file;
  int line;
};

std::string Narrow(const std::wstring& text) {
  if (text.empty()) {
    return {};
  }
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
  return out;
}

std::string Hex(std::uint32_t value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%08x", static_cast<unsigned>(value));
  return buffer;
}

// Polls until the condition holds or the time is up; returns whether it held.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (condition()) {
      return true;
    }
    if (GetTickCount() - start > milliseconds) {
      return condition();
    }
    Sleep(10);
  }
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  const int length = GetClassNameW(window, name, 256);
  return std::wstring(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

std::uint32_t IdOf(HWND window) { return static_cast<std::uint32_t>(GetWindowLongPtrW(window, GWLP_ID)); }

// A window's text as UTF-16, through WM_GETTEXT, which the system carries across processes.
std::wstring TextOf(HWND window, Site site = {}) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &length)) {
    ADD_FAILURE_AT(site.file, site.line) << "WM_GETTEXTLENGTH to " << Narrow(ClassOf(window)) << " failed, error "
                                         << GetLastError();
    return {};
  }
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                           SMTO_ABORTIFHUNG, kMessageTimeoutMs, &copied)) {
    ADD_FAILURE_AT(site.file, site.line) << "WM_GETTEXT to " << Narrow(ClassOf(window)) << " failed, error "
                                         << GetLastError();
    return {};
  }
  if (copied > length) {
    copied = length;
  }
  return std::wstring(buffer.data(), static_cast<std::size_t>(copied));
}

void SetTextOf(HWND window, const std::wstring& text, Site site = {}) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                           kMessageTimeoutMs, &result) ||
      result != TRUE) {
    ADD_FAILURE_AT(site.file, site.line) << "WM_SETTEXT \"" << Narrow(text) << "\" to " << Hex(IdOf(window))
                                         << " failed, error " << GetLastError();
  }
}

// A control as the driver sees it from outside.
struct Child {
  HWND handle = nullptr;
  std::wstring class_name;
  std::uint32_t id = 0;
  std::wstring text;
  RECT place = {};  // relative to the parent's client area
  bool visible = false;
};

// The window's direct children, in Z order.
std::vector<Child> ChildrenOf(HWND parent, Site site = {}) {
  std::vector<Child> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    Child c;
    c.handle = child;
    c.class_name = ClassOf(child);
    c.id = IdOf(child);
    c.text = TextOf(child, site);
    RECT screen = {};
    GetWindowRect(child, &screen);
    POINT corners[2] = {{screen.left, screen.top}, {screen.right, screen.bottom}};
    MapWindowPoints(HWND_DESKTOP, parent, corners, 2);
    c.place = {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    c.visible = IsWindowVisible(child) != FALSE;
    children.push_back(c);
  }
  return children;
}

HWND ChildById(HWND parent, std::uint32_t id, Site site = {}) {
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IdOf(child) == id) {
      return child;
    }
  }
  ADD_FAILURE_AT(site.file, site.line) << "no control " << Hex(id);
  return nullptr;
}

struct ProcessWindows {
  DWORD process_id;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectProcessWindow(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<ProcessWindows*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->process_id) {
    search->found.push_back(window);
  }
  return TRUE;
}

// The process's top-level windows of one class (all of them when `class_name` is null).
std::vector<HWND> TopLevelWindowsOf(DWORD process_id, const wchar_t* class_name) {
  ProcessWindows search{process_id, {}};
  EnumWindows(CollectProcessWindow, reinterpret_cast<LPARAM>(&search));
  std::vector<HWND> matching;
  for (HWND window : search.found) {
    if (class_name == nullptr || ClassOf(window) == class_name) {
      matching.push_back(window);
    }
  }
  return matching;
}

std::vector<HWND> VisibleOnly(const std::vector<HWND>& windows) {
  std::vector<HWND> visible;
  for (HWND window : windows) {
    if (IsWindowVisible(window)) {
      visible.push_back(window);
    }
  }
  return visible;
}

// Posts a key press to a window, as a message: it carries no key state (Shift is not held).
void PostKey(HWND target, WORD virtual_key, Site site = {}) {
  const auto scan = static_cast<LPARAM>(MapVirtualKeyW(virtual_key, MAPVK_VK_TO_VSC));
  const LPARAM down = 1 | (scan << 16);
  const LPARAM up = down | static_cast<LPARAM>(0xC0000000u);
  if (!PostMessageW(target, WM_KEYDOWN, virtual_key, down) || !PostMessageW(target, WM_KEYUP, virtual_key, up)) {
    ADD_FAILURE_AT(site.file, site.line) << "cannot post key " << virtual_key << ", error " << GetLastError();
  }
}

// Makes the window the one that gets the keyboard and mouse, and waits until it is.
bool BringToFront(HWND window, Site site = {}) {
  const bool front = WaitUntil(
      [&] {
        if (GetForegroundWindow() == window) {
          return true;
        }
        SetForegroundWindow(window);
        return false;
      },
      kStepDeadlineMs);
  if (!front) {
    ADD_FAILURE_AT(site.file, site.line) << "the window did not come to the front";
  }
  return front;
}

INPUT KeyInput(WORD virtual_key, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtual_key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtual_key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

// Presses the keys through the platform's input queue into the front window, the first ones
// held while the last goes down: {VK_SHIFT, VK_TAB} is Shift+Tab.
void TypeChord(HWND front, std::initializer_list<WORD> keys, Site site = {}) {
  if (!BringToFront(front, site)) {
    return;
  }
  std::vector<INPUT> inputs;
  for (WORD key : keys) {
    inputs.push_back(KeyInput(key, false));
  }
  for (auto key = keys.end(); key != keys.begin();) {
    inputs.push_back(KeyInput(*--key, true));
  }
  const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  if (sent != inputs.size()) {
    ADD_FAILURE_AT(site.file, site.line) << "SendInput took " << sent << " of " << inputs.size()
                                         << " key events, error " << GetLastError();
  }
}

// A real left click at the control's centre: the pointer moves there and the button goes down
// and up through the platform's input queue, so the program gets what a user's click gives.
void ClickCentreOf(HWND front, HWND control, Site site = {}) {
  if (!BringToFront(front, site)) {
    return;
  }
  RECT rect = {};
  GetWindowRect(control, &rect);
  const POINT centre = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  if (WindowFromPoint(centre) != control) {
    ADD_FAILURE_AT(site.file, site.line) << "something covers " << Hex(IdOf(control)) << " at (" << centre.x
                                         << "," << centre.y << ")";
    return;
  }
  const bool placed = WaitUntil(
      [&] {
        POINT at = {};
        GetCursorPos(&at);
        if (at.x == centre.x && at.y == centre.y) {
          return true;
        }
        SetCursorPos(centre.x, centre.y);
        return false;
      },
      kStepDeadlineMs);
  if (!placed) {
    ADD_FAILURE_AT(site.file, site.line) << "the pointer did not move to (" << centre.x << "," << centre.y << ")";
    return;
  }
  INPUT inputs[2] = {};
  inputs[0].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].type = INPUT_MOUSE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  const UINT sent = SendInput(2, inputs, sizeof(INPUT));
  if (sent != 2) {
    ADD_FAILURE_AT(site.file, site.line) << "SendInput took " << sent << " of 2 mouse events, error "
                                         << GetLastError();
  }
}

// The environment of this process without QUORVANE_TEST_FAIL, plus `addition` when given.
std::vector<wchar_t> EnvironmentWith(const std::wstring& addition) {
  static const wchar_t kFailName[] = L"QUORVANE_TEST_FAIL=";
  std::vector<wchar_t> block;
  if (wchar_t* strings = GetEnvironmentStringsW()) {
    for (const wchar_t* entry = strings; *entry != L'\0'; entry += std::wcslen(entry) + 1) {
      if (_wcsnicmp(entry, kFailName, std::wcslen(kFailName)) == 0) {
        continue;
      }
      block.insert(block.end(), entry, entry + std::wcslen(entry) + 1);
    }
    FreeEnvironmentStringsW(strings);
  }
  if (!addition.empty()) {
    block.insert(block.end(), addition.begin(), addition.end());
    block.push_back(L'\0');
  }
  block.push_back(L'\0');
  return block;
}

// One run of Quorvane.exe. A run still going when the test ends is killed, so a failed test
// leaves no window behind to cover the next one.
class Program {
 public:
  Program() = default;
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  ~Program() {
    if (info_.hProcess != nullptr) {
      if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 0xDEAD);
        WaitForSingleObject(info_.hProcess, kExitDeadlineMs);
      }
      CloseHandle(info_.hProcess);
      CloseHandle(info_.hThread);
    }
  }

  // `environment_addition` is one NAME=value entry for the program's environment, or empty.
  bool Start(const std::wstring& environment_addition = L"", Site site = {}) {
    std::wstring command_line = L"\"" + g_exe_path + L"\"";
    std::vector<wchar_t> environment = EnvironmentWith(environment_addition);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessW(g_exe_path.c_str(), command_line.data(), nullptr, nullptr, FALSE,
                        CREATE_UNICODE_ENVIRONMENT, environment.data(), nullptr, &startup, &info_)) {
      ADD_FAILURE_AT(site.file, site.line) << "cannot start " << Narrow(g_exe_path) << ", error " << GetLastError();
      info_ = {};
      return false;
    }
    return true;
  }

  DWORD process_id() const { return info_.dwProcessId; }

  // The visible main window of this run, or null (and a failure) when it does not come.
  HWND WaitForMainWindow(Site site = {}) {
    if (info_.hProcess == nullptr) {
      ADD_FAILURE_AT(site.file, site.line) << "the program was not started";
      return nullptr;
    }
    WaitForInputIdle(info_.hProcess, kStartDeadlineMs);
    HWND main = nullptr;
    WaitUntil(
        [&] {
          for (HWND window : VisibleOnly(TopLevelWindowsOf(info_.dwProcessId, kMainClass))) {
            wchar_t title[64] = {};
            GetWindowTextW(window, title, 64);
            if (std::wcscmp(title, kMainTitle) == 0) {
              main = window;
            }
          }
          return main != nullptr || WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0;
        },
        kStartDeadlineMs);
    if (main == nullptr) {
      DWORD code = 0;
      GetExitCodeProcess(info_.hProcess, &code);
      ADD_FAILURE_AT(site.file, site.line) << "no visible window \"Quorvane\" of class QuorvaneMainWindow came; "
                                           << (code == STILL_ACTIVE ? std::string("the process still runs")
                                                                    : "the process ended with " + Hex(code));
    }
    return main;
  }

  // The control that has the keyboard focus in the program's UI thread, or null.
  HWND Focus() const {
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof gui;
    if (!GetGUIThreadInfo(info_.dwThreadId, &gui)) {
      return nullptr;
    }
    return gui.hwndFocus;
  }

  // Waits for the focus to be on the control with `id`.
  bool WaitForFocus(std::uint32_t id, Site site = {}) {
    HWND focus = nullptr;
    const bool arrived = WaitUntil(
        [&] {
          focus = Focus();
          return focus != nullptr && IdOf(focus) == id;
        },
        kStepDeadlineMs);
    if (!arrived) {
      ADD_FAILURE_AT(site.file, site.line) << "the focus is on " << (focus ? Hex(IdOf(focus)) : "nothing")
                                           << ", not on " << Hex(id);
    }
    return arrived;
  }

  // The exit code once the process has ended; a process that outlives the deadline is killed
  // and reported.
  std::optional<DWORD> WaitForExit(Site site = {}) {
    if (info_.hProcess == nullptr) {
      ADD_FAILURE_AT(site.file, site.line) << "the program was not started";
      return std::nullopt;
    }
    if (WaitForSingleObject(info_.hProcess, kExitDeadlineMs) != WAIT_OBJECT_0) {
      TerminateProcess(info_.hProcess, 0xDEAD);
      WaitForSingleObject(info_.hProcess, kExitDeadlineMs);
      ADD_FAILURE_AT(site.file, site.line) << "the program did not end within " << kExitDeadlineMs << " ms";
      return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
  }

  bool Running() const {
    return info_.hProcess != nullptr && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
  }

 private:
  PROCESS_INFORMATION info_ = {};
};

// A started program with its main window up.
struct RunningWindow {
  Program program;
  HWND main = nullptr;
};

bool Open(RunningWindow& run, Site site = {}) {
  if (!run.program.Start(L"", site)) {
    return false;
  }
  run.main = run.program.WaitForMainWindow(site);
  return run.main != nullptr;
}

// Waits until the control's text is `expected`; reports the text it has otherwise.
bool WaitForText(HWND control, const std::wstring& expected, Site site = {}) {
  std::wstring text;
  const bool arrived = WaitUntil(
      [&] {
        text = TextOf(control, site);
        return text == expected;
      },
      kStepDeadlineMs);
  if (!arrived) {
    ADD_FAILURE_AT(site.file, site.line) << Hex(IdOf(control)) << " holds \"" << Narrow(text) << "\", not \""
                                         << Narrow(expected) << "\"";
  }
  return arrived;
}

// Lets everything posted to the program so far be handled: a character posted to `mailbox`, an
// edit box, comes out of the same queue behind it. A second round covers what the handling
// posted in turn, as TranslateMessage posts a key's WM_CHAR.
bool DrainPostedMessages(HWND mailbox, Site site = {}) {
  for (int round = 0; round < 2; ++round) {
    const std::wstring before = TextOf(mailbox, site);
    if (!PostMessageW(mailbox, WM_CHAR, L'#', 1)) {
      ADD_FAILURE_AT(site.file, site.line) << "cannot post to the mailbox, error " << GetLastError();
      return false;
    }
    if (!WaitForText(mailbox, before + L"#", site)) {
      return false;
    }
  }
  return true;
}

// Texts the program cannot write as a result, so a changed box shows that a conversion ran.
const wchar_t kUnwritten[] = L"unwritten";

// The four input boxes.
struct Inputs {
  const wchar_t* left_spectacle;
  const wchar_t* left_cylinder;
  const wchar_t* right_spectacle;
  const wchar_t* right_cylinder;
};

struct Results {
  std::wstring left;
  std::wstring right;
};

void FillInputs(HWND main, const Inputs& inputs, Site site = {}) {
  SetTextOf(ChildById(main, ids::框架左眼, site), inputs.left_spectacle, site);
  SetTextOf(ChildById(main, ids::左眼散光, site), inputs.left_cylinder, site);
  SetTextOf(ChildById(main, ids::框架右眼, site), inputs.right_spectacle, site);
  SetTextOf(ChildById(main, ids::右眼散光, site), inputs.right_cylinder, site);
}

// Marks both result boxes, runs `click`, and waits until the conversion has replaced both marks.
std::optional<Results> ConvertBy(HWND main, const std::function<void()>& click, Site site = {}) {
  HWND left = ChildById(main, ids::隐形左眼, site);
  HWND right = ChildById(main, ids::隐形右眼, site);
  if (left == nullptr || right == nullptr) {
    return std::nullopt;
  }
  SetTextOf(left, kUnwritten, site);
  SetTextOf(right, kUnwritten, site);
  click();
  Results results;
  const bool written = WaitUntil(
      [&] {
        results = {TextOf(left, site), TextOf(right, site)};
        return results.left != kUnwritten && results.right != kUnwritten;
      },
      kStepDeadlineMs);
  if (!written) {
    ADD_FAILURE_AT(site.file, site.line) << "the click wrote no result: left \"" << Narrow(results.left)
                                         << "\", right \"" << Narrow(results.right) << "\"";
    return std::nullopt;
  }
  return results;
}

std::optional<Results> ConvertByMouse(HWND main, Site site = {}) {
  HWND button = ChildById(main, ids::按钮1, site);
  if (button == nullptr) {
    return std::nullopt;
  }
  return ConvertBy(main, [&] { ClickCentreOf(main, button, site); }, site);
}

// ---------------------------------------------------------------------------------------------
// The window as it appears

struct ExpectedControl {
  std::uint32_t id;
  const wchar_t* class_name;
  const wchar_t* text;
};

const ExpectedControl kExpectedControls[] = {
    {ids::标签1, L"QuorvaneLabel", L"框架眼镜左眼度数："},
    {ids::标签2, L"QuorvaneLabel", L"框架眼镜右眼度数："},
    {ids::标签4, L"QuorvaneLabel", L"隐形眼镜左眼度数："},
    {ids::标签3, L"QuorvaneLabel", L"隐形眼镜右眼度数："},
    {ids::标签5, L"QuorvaneLabel", L"左眼散光度数："},
    {ids::标签6, L"QuorvaneLabel", L"右眼散光度数："},
    {ids::标签7, L"QuorvaneLabel", L"Fo=Fs/(1-dFs)"},
    {ids::标签8, L"QuorvaneLabel",
     L"注意：散光度数低于100度的可以忽略不填写。如换算完度数=382度，请佩戴375度隐形眼镜，度数以浅为主。"},
    {ids::框架左眼, L"Edit", L""},
    {ids::框架右眼, L"Edit", L""},
    {ids::左眼散光, L"Edit", L""},
    {ids::右眼散光, L"Edit", L""},
    {ids::隐形左眼, L"Edit", L""},
    {ids::隐形右眼, L"Edit", L""},
    {ids::按钮1, L"Button", L"点  击  换  算 "},
};

TEST(MainWindow, AppearsCentredWithTitleAndSize) {
  RunningWindow run;
  ASSERT_TRUE(Open(run));

  RECT outer = {};
  ASSERT_TRUE(GetWindowRect(run.main, &outer));
  EXPECT_EQ(outer.right - outer.left, 380);
  EXPECT_EQ(outer.bottom - outer.top, 186);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 380) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 186) / 2);
  EXPECT_EQ(TextOf(run.main), L"Quorvane");
  EXPECT_EQ(ClassOf(run.main), kMainClass);
  EXPECT_EQ(TopLevelWindowsOf(run.program.process_id(), kMessageBoxClass).size(), 0u) << "no message box at start";
}

TEST(MainWindow, HasItsFifteenControlsWithTheirTexts) {
  RunningWindow run;
  ASSERT_TRUE(Open(run));

  const std::vector<Child> children = ChildrenOf(run.main);
  EXPECT_EQ(children.size(), std::size(kExpectedControls));
  RECT client = {};
  GetClientRect(run.main, &client);
  for (const ExpectedControl& expected : kExpectedControls) {
    SCOPED_TRACE("control " + Hex(expected.id));
    std::size_t matches = 0;
    for (const Child& child : children) {
      if (child.id != expected.id) {
        continue;
      }
      ++matches;
      EXPECT_EQ(child.class_name, expected.class_name);
      EXPECT_EQ(child.text, expected.text) << "as UTF-8: " << Narrow(child.text);
      EXPECT_TRUE(child.visible);
      // Shown with some size, starting inside the client area. The long note may run past
      // the right edge; a box or the button must lie wholly inside, or part of it is lost.
      EXPECT_LT(child.place.left, child.place.right);
      EXPECT_LT(child.place.top, child.place.bottom);
      EXPECT_GE(child.place.left, client.left);
      EXPECT_GE(child.place.top, client.top);
      EXPECT_LT(child.place.left, client.right);
      EXPECT_LT(child.place.top, client.bottom);
      if (child.class_name != L"QuorvaneLabel") {
        EXPECT_LE(child.place.right, client.right);
        EXPECT_LE(child.place.bottom, client.bottom);
      }
    }
    EXPECT_EQ(matches, 1u);
  }
}

TEST(MainWindow, FocusStartsInLeftSpectacleBox) {
  RunningWindow run;
  ASSERT_TRUE(Open(run));
  ASSERT_TRUE(run.program.WaitForFocus(ids::框架左眼));
  // And stays there once the start-up messages are all handled.
  ASSERT_TRUE(DrainPostedMessages(ChildById(run.main, ids::框架右眼)));
  EXPECT_EQ(IdOf(run.program.Focus()), ids::框架左眼);
}

// ---------------------------------------------------------------------------------------------
// Focus keys

TEST(TabKey, SevenPostedTabsVisitTheCycleAndReturn) {
  RunningWindow run;
  ASSERT_TRUE(Open(run));
  ASSERT_TRUE(run.program.WaitForFocus(kTabCycle[0]));
  for (std::size_t step = 1; step <= kTabCycleLength; ++step) {
    SCOPED_TRACE("Tab number " + std::to_string(step));
    PostKey(run.program.Focus(), VK_TAB);
    ASSERT_TRUE(run.program.WaitForFocus(kTabCycle[step % kTabCycleLength]));
  }
}

// A Tab posted to the main window itself reaches the program's loop too.
TEST(TabKey, PostedToTheMainWindowMovesTheFocus) {
  RunningWindow run;
  ASSERT_TRUE(Open(run));
  ASSERT_TRUE(run.program.WaitForFocus(kTabCycle[0]));
  PostKey(run.main, VK_TAB);
  EXPECT_TRUE(run.program.WaitForFocus(kTabCycle[1]));
}

// Shift must really be down for the program's key check, so these keys go through the input queue.
TEST(TabKey, SevenShiftTabsVisitTheCycleBackwards) {
  RunningWindow run;
  ASSERT_TRUE(Open(run));
  ASSERT_TRUE(run.program.WaitForFocus(kTabCycle[0]));
  for (std::size_t step = 1; step <= kTabCycleLength; ++step) {
    SCOPED_TRACE("Shift+Tab number " + std::to_string(step));
    TypeChord(run.main, {VK_SHIFT, VK_TAB});
    ASSERT_TRUE(run.program.WaitForFocus(kTabCycle[(kTabCycleLength - step) % kTabCycleLength]));
  }
  // Shift released again: a plain Tab goes forward.
  TypeChord(run.main, {VK_TAB});
  EXPECT_TRUE(run.program.WaitForFocus(kTabCycle[1]));
}

// ---------------------------------------------------------------------------------------------
// Closing

enum class CloseBy { kEscToFocus, kEscToMainWindow, kCloseMessage, kSystemClose };

struct CloseCase {
  const char* why;
  std::size_t tabs_first;  // Tabs posted before closing, to move the focus along the cycle
  bool with_text;          // text in all six boxes
  CloseBy how;
};

const CloseCase kCloseCases[] = {
    {"Esc right after start, focus in the first box", 0, false, CloseBy::kEscToFocus},
    {"Esc with text everywhere and the focus in an edit box", 4, true, CloseBy::kEscToFocus},
    {"Esc while a result box has the focus", 2, true, CloseBy::kEscToFocus},
    {"Esc while the button has the focus", 6, false, CloseBy::kEscToFocus},
    {"Esc posted to the main window, not to a control", 0, false, CloseBy::kEscToMainWindow},
    {"a close request to the window", 0, false, CloseBy::kCloseMessage},
    {"a close request with text in the boxes", 1, true, CloseBy::kCloseMessage},
    {"the system menu's Close", 0, false, CloseBy::kSystemClose},
    {"the system menu's Close with text in the boxes", 3, true, CloseBy::kSystemClose},
};

TEST(Closing, EveryWayEndsWithExitCodeZero) {
  for (const CloseCase& row : kCloseCases) {
    SCOPED_TRACE(row.why);
    RunningWindow run;
    ASSERT_TRUE(Open(run));
    ASSERT_TRUE(run.program.WaitForFocus(kTabCycle[0]));
    if (row.with_text) {
      FillInputs(run.main, {L"400", L"50", L"-250", L"75"});
      SetTextOf(ChildById(run.main, ids::隐形左眼), L"12");
      SetTextOf(ChildById(run.main, ids::隐形右眼), L"34");
    }
    for (std::size_t step = 1; step <= row.tabs_first; ++step) {
      PostKey(run.program.Focus(), VK_TAB);
      ASSERT_TRUE(run.program.WaitForFocus(kTabCycle[step % kTabCycleLength]));
    }
    switch (row.how) {
      case CloseBy::kEscToFocus:
        PostKey(run.program.Focus(), VK_ESCAPE);
        break;
      case CloseBy::kEscToMainWindow:
        PostKey(run.main, VK_ESCAPE);
        break;
      case CloseBy::kCloseMessage:
        EXPECT_TRUE(PostMessageW(run.main, WM_CLOSE, 0, 0));
        break;
      case CloseBy::kSystemClose:
        EXPECT_TRUE(PostMessageW(run.main, WM_SYSCOMMAND, SC_CLOSE, 0));
        break;
    }
    EXPECT_EQ(run.program.WaitForExit(), std::optional<DWORD>(0));
  }
}

// ---------------------------------------------------------------------------------------------
// Enter

struct EnterCase {
  const char* why;
  std::size_t tabs_first;  // where the focus is when Enter comes
  const wchar_t* left_spectacle;
};

const EnterCase kEnterCases[] = {
    {"first edit box, empty: a click would write 0 and 0", 0, L""},
    {"first edit box with a number: a click would write 382", 0, L"400"},
    {"a result box", 2, L"400"},
    {"an astigmatism box", 5, L"400"},
    {"the focused button: Enter is no click here", 6, L"400"},
};

TEST(EnterKey, NeitherMovesTheFocusNorConverts) {
  const std::uint32_t kBoxes[] = {ids::框架左眼, ids::左眼散光, ids::右眼散光, ids::隐形左眼, ids::隐形右眼};
  for (const EnterCase& row : kEnterCases) {
    SCOPED_TRACE(row.why);
    RunningWindow run;
    ASSERT_TRUE(Open(run));
    ASSERT_TRUE(run.program.WaitForFocus(kTabCycle[0]));
    SetTextOf(ChildById(run.main, ids::框架左眼), row.left_spectacle);
    for (std::size_t step = 1; step <= row.tabs_first; ++step) {
      PostKey(run.program.Focus(), VK_TAB);
      ASSERT_TRUE(run.program.WaitForFocus(kTabCycle[step % kTabCycleLength]));
    }
    HWND focus = run.program.Focus();
    ASSERT_NE(focus, nullptr);
    std::vector<std::wstring> before;
    for (std::uint32_t box : kBoxes) {
      before.push_back(TextOf(ChildById(run.main, box)));
    }

    PostKey(focus, VK_RETURN);
    // The right spectacle box is in none of the rows, so it can serve as the mailbox.
    ASSERT_TRUE(DrainPostedMessages(ChildById(run.main, ids::框架右眼)));

    EXPECT_EQ(run.program.Focus(), focus) << "focus moved to " << Hex(IdOf(run.program.Focus()));
    for (std::size_t i = 0; i < std::size(kBoxes); ++i) {
      EXPECT_EQ(TextOf(ChildById(run.main, kBoxes[i])), before[i]) << "box " << Hex(kBoxes[i]);
    }
    EXPECT_EQ(TextOf(ChildById(run.main, ids::隐形左眼)), L"") << "nothing converted";
    EXPECT_TRUE(run.program.Running());
  }
}

// ---------------------------------------------------------------------------------------------
// Converting

struct ConvertCase {
  const char* why;
  Inputs inputs;
  const wchar_t* left;
  const wchar_t* right;
};

const ConvertCase kConvertCases[] = {
    {"plain short sight, left only", {L"400", L"", L"", L""}, L"382", L"0"},
    {"all empty", {L"", L"", L"", L""}, L"0", L"0"},
    {"long sight: a minus sign, and the lens gets stronger", {L"-300", L"", L"", L""}, L"-311", L"0"},
    {"half the astigmatism joins the sphere", {L"300", L"75", L"", L""}, L"324", L"0"},
    {"astigmatism alone", {L"", L"200", L"", L""}, L"99", L"0"},
    {"full-width digits", {L"４００", L"", L"", L""}, L"382", L"0"},
    {"a number too large for a double reads as nothing", {L"1e400", L"", L"", L""}, L"0", L"0"},
    {"letters read as nothing", {L"abc", L"", L"", L""}, L"0", L"0"},
    {"right eye only: right boxes feed the right result", {L"", L"", L"1000", L""}, L"0", L"893"},
    {"both eyes at once, each from its own boxes", {L"400", L"", L"1000", L""}, L"382", L"893"},
    {"right astigmatism feeds the right result only", {L"", L"", L"300", L"75"}, L"0", L"324"},
};

TEST(Convert, RealMouseClickWritesBothResults) {
  RunningWindow run;
  ASSERT_TRUE(Open(run));
  for (const ConvertCase& row : kConvertCases) {
    SCOPED_TRACE(row.why);
    FillInputs(run.main, row.inputs);
    const std::optional<Results> results = ConvertByMouse(run.main);
    ASSERT_TRUE(results.has_value());
    EXPECT_EQ(results->left, row.left) << "as UTF-8: " << Narrow(results->left);
    EXPECT_EQ(results->right, row.right) << "as UTF-8: " << Narrow(results->right);
  }
}

enum class ClickBy { kMouse, kButtonMessage, kSpaceKey };

struct ClickCase {
  const char* why;
  ClickBy how;
};

const ClickCase kClickCases[] = {
    {"a real mouse click", ClickBy::kMouse},
    {"BM_CLICK, as another program or an accessibility tool clicks", ClickBy::kButtonMessage},
    {"Space typed while the button has the focus", ClickBy::kSpaceKey},
};

// Anything the platform reports as a click converts, not only the mouse.
TEST(Convert, EveryKindOfClickConverts) {
  for (const ClickCase& row : kClickCases) {
    SCOPED_TRACE(row.why);
    RunningWindow run;
    ASSERT_TRUE(Open(run));
    ASSERT_TRUE(run.program.WaitForFocus(kTabCycle[0]));
    HWND button = ChildById(run.main, ids::按钮1);
    ASSERT_NE(button, nullptr);
    FillInputs(run.main, {L"400", L"", L"1000", L""});
    if (row.how == ClickBy::kSpaceKey) {
      TypeChord(run.main, {VK_SHIFT, VK_TAB});  // one step back from the first box is the button
      ASSERT_TRUE(run.program.WaitForFocus(ids::按钮1));
    }
    const auto results = ConvertBy(run.main, [&] {
      switch (row.how) {
        case ClickBy::kMouse:
          ClickCentreOf(run.main, button);
          break;
        case ClickBy::kButtonMessage:
          EXPECT_TRUE(PostMessageW(button, BM_CLICK, 0, 0));
          break;
        case ClickBy::kSpaceKey:
          TypeChord(run.main, {VK_SPACE});
          break;
      }
    });
    ASSERT_TRUE(results.has_value());
    EXPECT_EQ(results->left, L"382");
    EXPECT_EQ(results->right, L"893");
  }
}

TEST(Convert, ClickReplacesTextTypedIntoAResultBox) {
  RunningWindow run;
  ASSERT_TRUE(Open(run));
  HWND left = ChildById(run.main, ids::隐形左眼);
  ASSERT_NE(left, nullptr);
  SetTextOf(ChildById(run.main, ids::框架左眼), L"400");
  for (const wchar_t typed : std::wstring(L"999")) {
    EXPECT_TRUE(PostMessageW(left, WM_CHAR, typed, 1));
  }
  ASSERT_TRUE(WaitForText(left, L"999"));

  ClickCentreOf(run.main, ChildById(run.main, ids::按钮1));
  EXPECT_TRUE(WaitForText(left, L"382"));
  EXPECT_TRUE(WaitForText(ChildById(run.main, ids::隐形右眼), L"0"));
}

TEST(Convert, SecondClickWritesTheSameTexts) {
  RunningWindow run;
  ASSERT_TRUE(Open(run));
  FillInputs(run.main, {L"-300", L"50", L"625", L"125"});
  const std::optional<Results> first = ConvertByMouse(run.main);
  ASSERT_TRUE(first.has_value());
  EXPECT_NE(first->left, L"0");
  EXPECT_NE(first->right, L"0");
  const std::optional<Results> second = ConvertByMouse(run.main);
  ASSERT_TRUE(second.has_value());
  EXPECT_EQ(second->left, first->left);
  EXPECT_EQ(second->right, first->right);
  // The inputs are read, not consumed.
  EXPECT_EQ(TextOf(ChildById(run.main, ids::框架左眼)), L"-300");
}

// ---------------------------------------------------------------------------------------------
// Failures forced through the test build's switches

#ifdef QUORVANE_TEST_HOOKS

// What a message box of the program shows.
struct MessageBoxView {
  HWND box = nullptr;
  std::wstring caption;
  std::vector<std::wstring> texts;  // non-empty static texts
  std::vector<HWND> buttons;        // visible buttons
  bool has_icon = false;
};

MessageBoxView ReadMessageBox(HWND box, Site site = {}) {
  MessageBoxView view;
  view.box = box;
  view.caption = TextOf(box, site);
  for (const Child& child : ChildrenOf(box, site)) {
    if (!child.visible) {
      continue;
    }
    if (_wcsicmp(child.class_name.c_str(), L"Static") == 0) {
      const auto style = static_cast<DWORD>(GetWindowLongPtrW(child.handle, GWL_STYLE));
      if ((style & SS_TYPEMASK) == SS_ICON) {
        DWORD_PTR icon = 0;
        SendMessageTimeoutW(child.handle, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &icon);
        view.has_icon = view.has_icon || icon != 0;
      } else if (!child.text.empty()) {
        view.texts.push_back(child.text);
      }
    } else if (_wcsicmp(child.class_name.c_str(), L"Button") == 0) {
      view.buttons.push_back(child.handle);
    }
  }
  return view;
}

// Watches the process until one message box is up, failing if the main window shows meanwhile.
HWND WaitForTheMessageBox(Program& program, Site site = {}) {
  HWND box = nullptr;
  bool main_shown = false;
  WaitUntil(
      [&] {
        main_shown = main_shown || !VisibleOnly(TopLevelWindowsOf(program.process_id(), kMainClass)).empty();
        const std::vector<HWND> boxes = VisibleOnly(TopLevelWindowsOf(program.process_id(), kMessageBoxClass));
        if (boxes.size() > 1) {
          ADD_FAILURE_AT(site.file, site.line) << boxes.size() << " message boxes at once";
        }
        box = boxes.empty() ? nullptr : boxes.front();
        return box != nullptr || !program.Running();
      },
      kStartDeadlineMs);
  if (box == nullptr) {
    ADD_FAILURE_AT(site.file, site.line) << "no message box came"
                                         << (program.Running() ? "" : "; the process ended");
  }
  return box;
}

// Presses OK, then watches for anything more (a second box, the main window) until the end.
std::optional<DWORD> PressOkAndWaitForExit(Program& program, const MessageBoxView& view, bool main_may_show,
                                           Site site = {}) {
  HWND ok = nullptr;
  for (HWND button : view.buttons) {
    if (IdOf(button) == IDOK) {
      ok = button;
    }
  }
  if (ok == nullptr) {
    ADD_FAILURE_AT(site.file, site.line) << "the box has no OK button";
    return program.WaitForExit(site);
  }
  if (!PostMessageW(ok, BM_CLICK, 0, 0)) {
    ADD_FAILURE_AT(site.file, site.line) << "cannot post BM_CLICK to OK, error " << GetLastError();
  }
  WaitUntil(
      [&] {
        for (HWND box : VisibleOnly(TopLevelWindowsOf(program.process_id(), kMessageBoxClass))) {
          if (box != view.box) {
            ADD_FAILURE_AT(site.file, site.line) << "a second message box came: " << Narrow(TextOf(box, site));
            return true;
          }
        }
        if (!main_may_show && !VisibleOnly(TopLevelWindowsOf(program.process_id(), kMainClass)).empty()) {
          ADD_FAILURE_AT(site.file, site.line) << "the main window showed after OK";
          return true;
        }
        return !program.Running();
      },
      kExitDeadlineMs);
  return program.WaitForExit(site);
}

TEST(ForcedFailure, WindowThatCannotBeBuiltShowsOneBoxAndExitsWithAllOnes) {
  Program program;
  ASSERT_TRUE(program.Start(L"QUORVANE_TEST_FAIL=window"));
  const HWND box = WaitForTheMessageBox(program);
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(VisibleOnly(TopLevelWindowsOf(program.process_id(), kMainClass)).empty());
  EXPECT_EQ(VisibleOnly(TopLevelWindowsOf(program.process_id(), kMessageBoxClass)).size(), 1u);
  EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr) << "the box has no owner";

  const MessageBoxView view = ReadMessageBox(box);
  EXPECT_EQ(view.caption, L"Quorvane");
  ASSERT_EQ(view.texts.size(), 1u);
  EXPECT_EQ(view.texts[0], L"无法加载启动窗口。") << "as UTF-8: " << Narrow(view.texts[0]);
  EXPECT_EQ(view.buttons.size(), 1u) << "only OK";
  EXPECT_TRUE(view.has_icon);

  EXPECT_EQ(PressOkAndWaitForExit(program, view, false), std::optional<DWORD>(0xFFFFFFFFu));
}

TEST(ForcedFailure, RefusedTextHeapShowsByteCountAndExitsWithAllOnes) {
  Program program;
  ASSERT_TRUE(program.Start(L"QUORVANE_TEST_FAIL=text-heap"));
  const HWND main = program.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  SetTextOf(ChildById(main, ids::框架左眼), L"400");
  ClickCentreOf(main, ChildById(main, ids::按钮1));

  const HWND box = WaitForTheMessageBox(program);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(VisibleOnly(TopLevelWindowsOf(program.process_id(), kMessageBoxClass)).size(), 1u);
  const MessageBoxView view = ReadMessageBox(box);
  EXPECT_EQ(view.caption, L"Quorvane");
  ASSERT_EQ(view.texts.size(), 1u);
  // "400" and its terminating zero: 4 bytes.
  EXPECT_EQ(view.texts[0], L"内存不足：无法分配 4 字节。") << "as UTF-8: " << Narrow(view.texts[0]);
  EXPECT_EQ(view.buttons.size(), 1u) << "only OK";

  EXPECT_EQ(PressOkAndWaitForExit(program, view, true), std::optional<DWORD>(0xFFFFFFFFu));
}

// Empty boxes need no text from the heap, so the refusal never shows and the click converts.
TEST(ForcedFailure, RefusedTextHeapLeavesEmptyBoxesConvertible) {
  Program program;
  ASSERT_TRUE(program.Start(L"QUORVANE_TEST_FAIL=text-heap"));
  const HWND main = program.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  const std::optional<Results> results = ConvertByMouse(main);
  ASSERT_TRUE(results.has_value());
  EXPECT_EQ(results->left, L"0");
  EXPECT_EQ(results->right, L"0");
  EXPECT_TRUE(TopLevelWindowsOf(program.process_id(), kMessageBoxClass).empty());
  PostKey(main, VK_ESCAPE);
  EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
}

#endif  // QUORVANE_TEST_HOOKS

// A path as the build gives it may be a Unix one when the driver runs under Wine; Wine's own
// converter turns it into a drive path. On Windows the function is absent and the path stays.
std::wstring WindowsPath(const std::wstring& path) {
  if (path.empty() || path[0] != L'/') {
    return path;
  }
  using ToDos = wchar_t*(CDECL*)(const char*);
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  FARPROC found = kernel ? GetProcAddress(kernel, "wine_get_dos_file_name") : nullptr;
  if (found == nullptr) {
    return path;
  }
  ToDos to_dos = nullptr;
  static_assert(sizeof to_dos == sizeof found);
  std::memcpy(&to_dos, &found, sizeof to_dos);
  const std::string unix_path = Narrow(path);
  wchar_t* dos = to_dos(unix_path.c_str());
  if (dos == nullptr) {
    return path;
  }
  std::wstring converted = dos;
  HeapFree(GetProcessHeap(), 0, dos);
  return converted;
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argv == nullptr) {
    return 2;
  }
  ::testing::InitGoogleTest(&argc, argv);
  static const wchar_t kExeFlag[] = L"--exe=";
  for (int i = 1; i < argc; ++i) {
    if (std::wcsncmp(argv[i], kExeFlag, std::wcslen(kExeFlag)) == 0) {
      g_exe_path = WindowsPath(argv[i] + std::wcslen(kExeFlag));
    }
  }
  LocalFree(argv);
  if (g_exe_path.empty()) {
    std::fprintf(stderr, "usage: quorvane_driver [gtest options] --exe=path\\to\\Quorvane.exe\n");
    return 2;
  }
  if (GetFileAttributesW(g_exe_path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    std::fprintf(stderr, "no program at %s\n", Narrow(g_exe_path).c_str());
    return 2;
  }
  // The locale the run has, as the code page shows it (936 Chinese, 1252 Western).
  std::printf("driving %s, ANSI code page %u\n", Narrow(g_exe_path).c_str(), GetACP());
  return RUN_ALL_TESTS();
}
