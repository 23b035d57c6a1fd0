// Starts two programs in turn, many times, and prints the medians of their start-up time, idle
// working set and button click, and the ratios of the first to the second.
//   launcher --runs=N --quorvane=Quorvane.exe --minimal=minimal_window.exe
// Start-up runs from CreateProcessW until WaitForInputIdle returns: the window is shown and its
// thread waits for input. The click runs from BM_CLICK, which returns only once the button's
// handler ran, until both result texts are read back.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct Program {
  const wchar_t* label;
  std::wstring exe;
  int input_id;      // 0: the program has no input to fill in before the click
  const wchar_t* input_text;
  int button_id;
  int result_ids[2];
  // What the click must write, so that a click that does nothing fails the run; null: any
  // text, as long as the click replaced the placeholder.
  const wchar_t* expected[2];
};

struct Samples {
  std::vector<double> startup_ms, working_set_kb, click_ms;
};

double Now(LARGE_INTEGER frequency) {
  LARGE_INTEGER count;
  QueryPerformanceCounter(&count);
  return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

struct Search {
  DWORD process_id;
  HWND found;
};

BOOL CALLBACK MatchVisibleWindow(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<Search*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->process_id && IsWindowVisible(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND MainWindowOf(DWORD process_id) {
  for (int attempt = 0; attempt < 500; ++attempt) {
    Search search{process_id, nullptr};
    EnumWindows(MatchVisibleWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(10);
  }
  return nullptr;
}

struct ChildSearch {
  int id;
  HWND found;
};

BOOL CALLBACK MatchChildId(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<ChildSearch*>(context);
  if (GetDlgCtrlID(window) == search->id) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// Controls may sit inside group boxes or other containers, so search all descendants.
HWND ChildById(HWND parent, int id) {
  ChildSearch search{id, nullptr};
  EnumChildWindows(parent, MatchChildId, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring TextOf(HWND window) {
  wchar_t buffer[256] = {};
  SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

constexpr const wchar_t* kPlaceholder = L"?";

bool Written(const std::wstring& text, const wchar_t* expected) {
  return expected ? text == expected : text != kPlaceholder;
}

bool RunOnce(const Program& program, LARGE_INTEGER frequency, int clicks, Samples& samples) {
  std::wstring command_line = L"\"" + program.exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const double start = Now(frequency);
  if (!CreateProcessW(program.exe.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0,
                      nullptr, nullptr, &startup, &process)) {
    std::fwprintf(stderr, L"cannot start %ls, error %lu\n", program.exe.c_str(), GetLastError());
    return false;
  }
  const DWORD idle = WaitForInputIdle(process.hProcess, 60000);
  const double started = Now(frequency);
  bool ok = idle == 0;
  if (!ok) std::fwprintf(stderr, L"%ls: WaitForInputIdle gave %lu\n", program.label, idle);

  HWND main = ok ? MainWindowOf(process.dwProcessId) : nullptr;
  if (ok && !main) {
    std::fwprintf(stderr, L"%ls: no visible window\n", program.label);
    ok = false;
  }
  if (ok) {
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory)) {
      samples.startup_ms.push_back(started - start);
      samples.working_set_kb.push_back(static_cast<double>(memory.WorkingSetSize) / 1024.0);
    } else {
      std::fwprintf(stderr, L"%ls: GetProcessMemoryInfo error %lu\n", program.label,
                    GetLastError());
      ok = false;
    }
  }

  HWND button = ok ? ChildById(main, program.button_id) : nullptr;
  HWND results[2] = {ok ? ChildById(main, program.result_ids[0]) : nullptr,
                     ok ? ChildById(main, program.result_ids[1]) : nullptr};
  HWND input = ok && program.input_id ? ChildById(main, program.input_id) : nullptr;
  if (ok && (!button || !results[0] || !results[1] || (program.input_id && !input))) {
    std::fwprintf(stderr, L"%ls: a control is missing\n", program.label);
    ok = false;
  }
  if (ok && input) {
    SendMessageW(input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(program.input_text));
  }
  for (int click = 0; ok && click < clicks; ++click) {
    // A placeholder in the results first, so the texts read back can only come from this click.
    for (HWND result : results) {
      SendMessageW(result, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kPlaceholder));
    }
    const double before = Now(frequency);
    SendMessageW(button, BM_CLICK, 0, 0);
    const std::wstring left = TextOf(results[0]);
    const std::wstring right = TextOf(results[1]);
    const double after = Now(frequency);
    if (!Written(left, program.expected[0]) || !Written(right, program.expected[1])) {
      std::fwprintf(stderr, L"%ls: the click wrote \"%ls\" and \"%ls\"\n", program.label,
                    left.c_str(), right.c_str());
      ok = false;
    } else {
      samples.click_ms.push_back(after - before);
    }
  }

  if (main) PostMessageW(main, WM_CLOSE, 0, 0);
  DWORD exit_code = 1;
  if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
    std::fwprintf(stderr, L"%ls: did not end after WM_CLOSE\n", program.label);
    TerminateProcess(process.hProcess, 1);
    ok = false;
  } else if (GetExitCodeProcess(process.hProcess, &exit_code) && exit_code != 0 && ok) {
    std::fwprintf(stderr, L"%ls: exit code %lu\n", program.label, exit_code);
    ok = false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return ok;
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0.0;
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

void Report(const char* name, const char* unit, const std::vector<double>& a,
            const std::vector<double>& b) {
  const double ma = Median(a), mb = Median(b);
  std::printf("%-12s quorvane %10.3f %s  minimal %10.3f %s  ratio %.3f  (n=%zu/%zu)\n", name, ma,
              unit, mb, unit, mb > 0 ? ma / mb : 0.0, a.size(), b.size());
}

bool StartsWith(const wchar_t* text, const wchar_t* prefix, const wchar_t** rest) {
  const size_t length = std::wcslen(prefix);
  if (std::wcsncmp(text, prefix, length) != 0) return false;
  *rest = text + length;
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  Program quorvane{L"quorvane", L"",  0x16010004, L"400", 0x16010010,
                   {0x16010009, 0x16010008}, {L"382", nullptr}};
  Program minimal{L"minimal", L"", 0, nullptr, 103, {101, 102}, {L"-3.75", L"-3.75"}};
  int runs = 20, clicks = 5;
  bool measure_clicks = true;
  for (int i = 1; i < argc; ++i) {
    const wchar_t* value = nullptr;
    if (StartsWith(argv[i], L"--runs=", &value)) runs = _wtoi(value);
    else if (StartsWith(argv[i], L"--clicks=", &value)) clicks = _wtoi(value);
    else if (StartsWith(argv[i], L"--quorvane=", &value)) quorvane.exe = value;
    else if (StartsWith(argv[i], L"--minimal=", &value)) minimal.exe = value;
    else if (std::wcscmp(argv[i], L"--no-click") == 0) measure_clicks = false;
    else {
      std::fwprintf(stderr, L"unknown argument %ls\n", argv[i]);
      return 2;
    }
  }
  if (quorvane.exe.empty() || minimal.exe.empty() || runs < 1) {
    std::fwprintf(stderr, L"usage: launcher --quorvane=exe --minimal=exe [--runs=N] "
                          L"[--clicks=N] [--no-click]\n");
    return 2;
  }
  if (!measure_clicks) clicks = 0;

  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  Samples warm_up, of_quorvane, of_minimal;
  // One unmeasured start each, so that neither pays for loading the system DLLs from disk first.
  if (!RunOnce(quorvane, frequency, clicks, warm_up) || !RunOnce(minimal, frequency, clicks, warm_up))
    return 1;
  int failures = 0;
  for (int run = 0; run < runs; ++run) {
    // Alternate, so that drift on the machine falls on both programs alike.
    if (!RunOnce(quorvane, frequency, clicks, of_quorvane)) ++failures;
    if (!RunOnce(minimal, frequency, clicks, of_minimal)) ++failures;
  }
  Report("startup", "ms", of_quorvane.startup_ms, of_minimal.startup_ms);
  Report("working_set", "KB", of_quorvane.working_set_kb, of_minimal.working_set_kb);
  if (measure_clicks) Report("click", "ms", of_quorvane.click_ms, of_minimal.click_ms);
  std::fflush(stdout);
  return failures ? 1 : 0;
}
